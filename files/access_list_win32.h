#pragma once

// The access list of a folder, for the one change the tool ever makes to one: letting the player's
// own account modify the game folder. Only files of the Windows build include this.

#include <windows.h>

#include <string>

#include "win32/handles.h"

namespace pp::win32 {

using UniqueLocalAcl = UniqueHandle<PACL, ::LocalFree, nullptr>;

// The rights of "Modify": read, write, run and delete, but neither change permissions nor take
// ownership.
inline constexpr DWORD kModifyRights = FILE_GENERIC_READ | FILE_GENERIC_WRITE | FILE_GENERIC_EXECUTE | DELETE;

// `current` (null for none) with an entry that allows `account` Modify on the folder and, inherited,
// on every folder and file in it, made by the system (SetEntriesInAclW) so that every entry of
// `current` stays. Null when the system refused.
UniqueLocalAcl WithModifyFor(const ACL* current, PSID account);

// Gives the account (a SID as text) Modify on the folder and everything in it, keeping every entry
// the folder's access list had. True when the system took the new list.
bool GrantModify(const std::string& folder, const std::string& accountSid);

// The SID of the account this program runs as, as text; empty when the system would not say.
std::string CurrentAccountSid();

}  // namespace pp::win32
