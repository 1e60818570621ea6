#include "files/access_list_win32.h"

#include <aclapi.h>
#include <sddl.h>

#include "win32/text.h"

namespace pp::win32 {
namespace {

using UniqueLocalSid = UniqueHandle<PSID, ::LocalFree, nullptr>;
using UniqueSecurityDescriptor = UniqueHandle<PSECURITY_DESCRIPTOR, ::LocalFree, nullptr>;

}  // namespace

UniqueLocalAcl WithModifyFor(const ACL* current, PSID account) {
    EXPLICIT_ACCESSW entry{};
    entry.grfAccessPermissions = kModifyRights;
    entry.grfAccessMode = GRANT_ACCESS;
    entry.grfInheritance = SUB_CONTAINERS_AND_OBJECTS_INHERIT;
    entry.Trustee.TrusteeForm = TRUSTEE_IS_SID;
    entry.Trustee.TrusteeType = TRUSTEE_IS_USER;
    entry.Trustee.ptstrName = static_cast<LPWSTR>(account);
    PACL made = nullptr;
    if (::SetEntriesInAclW(1, &entry, const_cast<PACL>(current), &made) != ERROR_SUCCESS)
        return UniqueLocalAcl();
    return UniqueLocalAcl(made);
}

// The folder without a trailing "\", which names no object to the security functions; a drive's
// root keeps it.
bool GrantModify(const std::string& folder, const std::string& accountSid) {
    std::wstring path = Widen(folder);
    while (path.size() > 3 && path.back() == L'\\')
        path.pop_back();
    PSID account = nullptr;
    if (!::ConvertStringSidToSidW(Widen(accountSid).c_str(), &account))
        return false;
    const UniqueLocalSid accountOwner(account);
    PACL current = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (::GetNamedSecurityInfoW(path.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr, &current,
                                nullptr, &descriptor) != ERROR_SUCCESS)
        return false;
    const UniqueSecurityDescriptor descriptorOwner(descriptor);
    const UniqueLocalAcl changed = WithModifyFor(current, account);
    return changed && ::SetNamedSecurityInfoW(path.data(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr,
                                              changed.Get(), nullptr) == ERROR_SUCCESS;
}

std::string CurrentAccountSid() {
    HANDLE token = nullptr;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &token))
        return {};
    const UniqueKernelHandle tokenOwner(token);
    alignas(TOKEN_USER) BYTE buffer[sizeof(TOKEN_USER) + SECURITY_MAX_SID_SIZE];
    DWORD size = 0;
    if (!::GetTokenInformation(token, TokenUser, buffer, sizeof(buffer), &size))
        return {};
    LPWSTR text = nullptr;
    if (!::ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER*>(buffer)->User.Sid, &text))
        return {};
    const UniqueHandle<LPWSTR, ::LocalFree, nullptr> textOwner(text);
    return Narrow(text);
}

}  // namespace pp::win32
