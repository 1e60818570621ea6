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

namespace {

// The shell's file operation takes lists of paths, each ended by a NUL, with an empty one last.
bool ShellFileOperation(UINT operation, const std::string& from, const std::string& to = {}) {
    const std::wstring source = Widen(from) + L'\0', target = Widen(to) + L'\0';
    SHFILEOPSTRUCTW op{};
    op.wFunc = operation;
    op.pFrom = source.c_str();
    op.pTo = to.empty() ? nullptr : target.c_str();
    op.fFlags = FOF_NO_UI;
    return ::SHFileOperationW(&op) == 0 && !op.fAnyOperationsAborted;
}

}  // namespace

TempFolder::~TempFolder() {
    ShellFileOperation(FO_DELETE, path_);
}

bool CopyFolder(const std::string& from, const std::string& to) {
    return ShellFileOperation(FO_COPY, from, to);
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
