#include "tests/wine/support/temp_folder.h"

#include <windows.h>

#include <shellapi.h>

#include <atomic>

#include "win32/handles.h"
#include "win32/text.h"

namespace pp::test {

using win32::Narrow;
using win32::Widen;

TempFolder::TempFolder(const std::string& prefix) {
    static std::atomic<int> counter{0};
    wchar_t temp[MAX_PATH + 1];
    DWORD n = ::GetTempPathW(MAX_PATH, temp);
    std::wstring base(temp, n);
    if (!base.empty() && base.back() == L'\\')
        base.pop_back();
    path_ = Narrow(base) + "\\" + prefix + " \xC5\xA1\xCE\xA9 " + std::to_string(::GetCurrentProcessId()) + "-" +
            std::to_string(counter++);
    MakeFolders(path_);
}

TempFolder::~TempFolder() {
    std::wstring from = Widen(path_);
    from.push_back(L'\0');  // the list of paths ends with an empty one
    SHFILEOPSTRUCTW op{};
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_NO_UI;
    ::SHFileOperationW(&op);
}

void MakeFolders(const std::string& path) {
    std::wstring wide = Widen(path);
    for (size_t i = 3; i <= wide.size(); ++i)
        if (i == wide.size() || wide[i] == L'\\')
            ::CreateDirectoryW(wide.substr(0, i).c_str(), nullptr);
}

void WriteFile(const std::string& path, const std::string& bytes) {
    size_t slash = path.find_last_of('\\');
    if (slash != std::string::npos)
        MakeFolders(path.substr(0, slash));
    win32::UniqueFileHandle file(
        ::CreateFileW(Widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    if (file)
        ::WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

bool ReadFile(const std::string& path, std::string& bytes) {
    win32::UniqueFileHandle file(::CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                               nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return false;
    LARGE_INTEGER size{};
    ::GetFileSizeEx(file.Get(), &size);
    bytes.assign(static_cast<size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!bytes.empty() && !::ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr))
        return false;
    bytes.resize(read);
    return true;
}

bool FileExists(const std::string& path) {
    return ::GetFileAttributesW(Widen(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string ProgramFolder() {
    wchar_t buffer[32768];
    DWORD n = ::GetModuleFileNameW(nullptr, buffer, 32768);
    std::wstring path(buffer, n);
    return Narrow(path.substr(0, path.find_last_of(L'\\')));
}

}  // namespace pp::test
