// The one change the tool makes to an access list, against the system's own functions.
//
// Wine keeps no access list of a file or folder and enforces none: SetNamedSecurityInfoW succeeds,
// and GetNamedSecurityInfoW reads back a list made from the Unix permissions. What can be shown here
// is the list the grant hands the system; that Windows then lets the account write is not.

#include <gtest/gtest.h>

#include <windows.h>

#include <aclapi.h>
#include <sddl.h>

#include <vector>

#include "files/access_list_win32.h"
#include "shell/start_switches.h"
#include "tests/wine/support/files.h"
#include "win32/text.h"

namespace pp {
namespace {

std::vector<std::vector<BYTE>> Entries(const ACL* list) {
    std::vector<std::vector<BYTE>> entries;
    for (DWORD i = 0; list && i < list->AceCount; ++i) {
        void* entry = nullptr;
        if (::GetAce(const_cast<ACL*>(list), i, &entry)) {
            const auto* bytes = static_cast<const BYTE*>(entry);
            entries.emplace_back(bytes, bytes + static_cast<const ACE_HEADER*>(entry)->AceSize);
        }
    }
    return entries;
}

TEST(AccessList, TheGrantKeepsEveryEntryAndAddsAnInheritableModifyForTheAccount) {
    test::TempFolder dir;
    test::MakeFolders(dir / "FIFA 09 Demo");
    PACL current = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    ASSERT_EQ(::GetNamedSecurityInfoW(win32::Widen(dir / "FIFA 09 Demo").c_str(), SE_FILE_OBJECT,
                                      DACL_SECURITY_INFORMATION, nullptr, nullptr, &current, nullptr, &descriptor),
              static_cast<DWORD>(ERROR_SUCCESS));
    const win32::UniqueHandle<PSECURITY_DESCRIPTOR, ::LocalFree, nullptr> descriptorOwner(descriptor);
    ASSERT_FALSE(Entries(current).empty()) << "the folder's own list";
    PSID account = nullptr;
    ASSERT_TRUE(::ConvertStringSidToSidW(L"S-1-5-21-1004336348-1177238915-682003330-1001", &account));
    const win32::UniqueHandle<PSID, ::LocalFree, nullptr> accountOwner(account);

    const win32::UniqueLocalAcl changed = win32::WithModifyFor(current, account);
    ASSERT_TRUE(changed);
    ASSERT_TRUE(::IsValidAcl(changed.Get()));
    std::vector<std::vector<BYTE>> kept = Entries(changed.Get()), added;
    for (const auto& entry : Entries(current)) {
        const auto found = std::find(kept.begin(), kept.end(), entry);
        EXPECT_NE(found, kept.end()) << "an entry of the folder's went";
        if (found != kept.end())
            kept.erase(found);
    }
    ASSERT_EQ(kept.size(), 1u) << "one entry more";
    const auto& entry = *reinterpret_cast<const ACCESS_ALLOWED_ACE*>(kept[0].data());
    EXPECT_EQ(entry.Header.AceType, ACCESS_ALLOWED_ACE_TYPE);
    EXPECT_EQ(entry.Header.AceFlags, OBJECT_INHERIT_ACE | CONTAINER_INHERIT_ACE);
    EXPECT_EQ(entry.Mask, win32::kModifyRights);
    EXPECT_EQ(entry.Mask & (WRITE_DAC | WRITE_OWNER), 0u) << "Modify, not Full control";
    EXPECT_TRUE(::EqualSid(const_cast<DWORD*>(&entry.SidStart), account));

    EXPECT_TRUE(win32::GrantModify(dir / "FIFA 09 Demo\\", "S-1-5-21-1004336348-1177238915-682003330-1001"));
    EXPECT_FALSE(win32::GrantModify(dir / "absent", "S-1-5-21-1004336348-1177238915-682003330-1001"));
    EXPECT_FALSE(win32::GrantModify(dir / "FIFA 09 Demo", "not a SID"));
    EXPECT_TRUE(IsAccountSid(win32::CurrentAccountSid())) << win32::CurrentAccountSid();
}

}  // namespace
}  // namespace pp
