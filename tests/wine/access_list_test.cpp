// Wine keeps and enforces no access lists (it reads back one made from the Unix permissions): shown
// here is the list the grant hands the system, not that Windows then lets the account write.

#include <gtest/gtest.h>

#include <windows.h>

#include <aclapi.h>
#include <sddl.h>

#include <algorithm>
#include <vector>

#include "files/access_list_win32.h"
#include "shell/start_switches.h"
#include "tests/wine/support/harness.h"
#include "win32/text.h"

namespace pp {
namespace {

std::vector<std::vector<BYTE>> Entries(const ACL* list) {
    std::vector<std::vector<BYTE>> entries;
    for (DWORD i = 0; list && i < list->AceCount; ++i) {
        ACE_HEADER* entry = nullptr;
        if (::GetAce(const_cast<ACL*>(list), i, reinterpret_cast<void**>(&entry)))
            entries.emplace_back(reinterpret_cast<BYTE*>(entry), reinterpret_cast<BYTE*>(entry) + entry->AceSize);
    }
    return entries;
}

TEST(AccessList, TheGrantKeepsEveryEntryAndAddsAnInheritableModifyForTheAccount) {
    test::TempFolder dir;
    const std::string folder = dir / "FIFA 09 Demo", sid = "S-1-5-21-1004336348-1177238915-682003330-1001";
    test::MakeFolders(folder);
    PACL current = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    ASSERT_EQ(::GetNamedSecurityInfoW(win32::Widen(folder).c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr,
                                      nullptr, &current, nullptr, &descriptor),
              static_cast<DWORD>(ERROR_SUCCESS));
    const win32::UniqueHandle<PSECURITY_DESCRIPTOR, ::LocalFree, nullptr> descriptorOwner(descriptor);
    PSID account = nullptr;
    ASSERT_TRUE(::ConvertStringSidToSidW(win32::Widen(sid).c_str(), &account));
    const win32::UniqueHandle<PSID, ::LocalFree, nullptr> accountOwner(account);
    const win32::UniqueLocalAcl changed = win32::WithModifyFor(current, account);
    ASSERT_TRUE(changed && ::IsValidAcl(changed.Get()));
    std::vector<std::vector<BYTE>> added = Entries(changed.Get());
    ASSERT_FALSE(Entries(current).empty()) << "the folder's own list";
    for (const auto& entry : Entries(current)) {
        const auto kept = std::find(added.begin(), added.end(), entry);
        ASSERT_NE(kept, added.end()) << "an entry of the folder's went";
        added.erase(kept);
    }
    ASSERT_EQ(added.size(), 1u) << "one entry more";
    const auto& entry = *reinterpret_cast<const ACCESS_ALLOWED_ACE*>(added[0].data());
    EXPECT_EQ(entry.Header.AceType, ACCESS_ALLOWED_ACE_TYPE);
    EXPECT_EQ(entry.Header.AceFlags, OBJECT_INHERIT_ACE | CONTAINER_INHERIT_ACE);
    EXPECT_EQ(entry.Mask, win32::kModifyRights);
    EXPECT_TRUE(::EqualSid(const_cast<DWORD*>(&entry.SidStart), account));
    EXPECT_TRUE(win32::GrantModify(folder + "\\", sid));
    EXPECT_FALSE(win32::GrantModify(dir / "absent", sid) || win32::GrantModify(folder, "not a SID"));
    EXPECT_TRUE(IsAccountSid(win32::CurrentAccountSid())) << win32::CurrentAccountSid();
}

}  // namespace
}  // namespace pp
