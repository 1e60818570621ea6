#include "tests/wine/support/folder_copy.h"

#include <windows.h>

#include "win32/handles.h"
#include "win32/text.h"

namespace pp::test {
namespace {

bool VisitBelow(const std::wstring& folder,
                const std::string& relative,
                const std::function<void(const std::string&, bool)>& visit) {
    WIN32_FIND_DATAW found{};
    win32::UniqueFindHandle find(::FindFirstFileW((folder + L"\\*").c_str(), &found));
    if (!find)
        return false;
    bool read = true;
    do {
        const std::wstring name = found.cFileName;
        if (name == L"." || name == L"..")
            continue;
        const std::string path = (relative.empty() ? "" : relative + "\\") + win32::Narrow(name);
        const bool isFolder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        visit(path, isFolder);
        if (isFolder)
            read = VisitBelow(folder + L"\\" + name, path, visit) && read;
    } while (::FindNextFileW(find.Get(), &found));
    return read;
}

}  // namespace

bool VisitFolder(const std::string& folder, const std::function<void(const std::string&, bool)>& visit) {
    return VisitBelow(win32::Widen(folder), "", visit);
}

bool CopyFolder(const std::string& from, const std::string& to) {
    const std::wstring target = win32::Widen(to);
    if (!::CreateDirectoryW(target.c_str(), nullptr) && ::GetLastError() != ERROR_ALREADY_EXISTS)
        return false;
    bool copied = true;
    const bool read = VisitFolder(from, [&](const std::string& relative, bool isFolder) {
        const std::wstring there = target + L"\\" + win32::Widen(relative);
        if (isFolder)
            copied = (::CreateDirectoryW(there.c_str(), nullptr) || ::GetLastError() == ERROR_ALREADY_EXISTS) && copied;
        else
            copied = ::CopyFileW(win32::Widen(from + "\\" + relative).c_str(), there.c_str(), FALSE) && copied;
    });
    return read && copied;
}

}  // namespace pp::test
