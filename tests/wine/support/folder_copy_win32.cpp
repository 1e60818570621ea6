#include "tests/wine/support/folder_copy.h"

#include <windows.h>

#include "app/text_win32.h"
#include "app/win32_handles.h"

namespace pp::test {
namespace {

bool CopyInto(const std::wstring& from, const std::wstring& to) {
    if (!::CreateDirectoryW(to.c_str(), nullptr) && ::GetLastError() != ERROR_ALREADY_EXISTS)
        return false;
    WIN32_FIND_DATAW found{};
    win32::UniqueFindHandle find(::FindFirstFileW((from + L"\\*").c_str(), &found));
    if (!find)
        return false;
    bool copied = true;
    do {
        const std::wstring name = found.cFileName;
        if (name == L"." || name == L"..")
            continue;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            copied = CopyInto(from + L"\\" + name, to + L"\\" + name) && copied;
        else
            copied = ::CopyFileW((from + L"\\" + name).c_str(), (to + L"\\" + name).c_str(), FALSE) && copied;
    } while (::FindNextFileW(find.Get(), &found));
    return copied;
}

}  // namespace

bool CopyFolder(const std::string& from, const std::string& to) {
    return CopyInto(win32::Widen(from), win32::Widen(to));
}

}  // namespace pp::test
