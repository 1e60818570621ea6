#include "files/file_system_win32.h"

#include <windows.h>

#include <shlobj.h>

#include <algorithm>
#include <cstdint>

#include "win32/handles.h"
#include "win32/text.h"

namespace pp::win32 {

FileLookup WindowsFileSystem::LookUpOrdinaryFile(const std::string& path) {
    if (path.empty())
        return FileLookup::Missing;
    WIN32_FIND_DATAW found{};
    UniqueFindHandle find(::FindFirstFileW(Widen(path).c_str(), &found));
    if (!find) {
        DWORD error = ::GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND || error == ERROR_NO_MORE_FILES)
            return FileLookup::Missing;
        return FileLookup::Failed;
    }
    // The search matches wildcards too; a name with "*" or "?" is no file of the game.
    if (path.find_first_of("*?") != std::string::npos)
        return FileLookup::Missing;
    constexpr DWORD kNotOrdinary = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    return (found.dwFileAttributes & kNotOrdinary) ? FileLookup::Missing : FileLookup::Found;
}

// A read-only file is one the player keeps from being changed: Windows refuses to copy over it,
// but Wine run by the superuser would replace it, so the refusal is made here for both.
bool WindowsFileSystem::CopyReplacing(const std::string& from, const std::string& to) {
    const std::wstring target = Widen(to);
    const DWORD attributes = ::GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return false;
    return ::CopyFileW(Widen(from).c_str(), target.c_str(), FALSE) != 0;
}

// Only a handle with write access can flush a file. A fresh copy of a read-only file is read-only
// itself, so it is made writable for the flush and given back its attributes after it.
bool WindowsFileSystem::MakeDurable(const std::string& path) {
    const std::wstring file = Widen(path);
    const DWORD attributes = ::GetFileAttributesW(file.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    const bool readOnly = attributes & FILE_ATTRIBUTE_READONLY;
    if (readOnly && !::SetFileAttributesW(file.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY))
        return false;
    bool flushed = false;
    {
        UniqueFileHandle handle(::CreateFileW(file.c_str(), GENERIC_WRITE,
                                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        flushed = handle && ::FlushFileBuffers(handle.Get());
    }
    if (readOnly)
        ::SetFileAttributesW(file.c_str(), attributes);
    return flushed;
}

bool WindowsFileSystem::Delete(const std::string& path) {
    return ::DeleteFileW(Widen(path).c_str()) != 0;
}

bool WindowsFileSystem::Exists(const std::string& path) {
    if (::GetFileAttributesW(Widen(path).c_str()) != INVALID_FILE_ATTRIBUTES)
        return true;
    const DWORD error = ::GetLastError();
    return error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND && error != ERROR_INVALID_NAME;
}

bool WindowsFileSystem::IsReadOnly(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesW(Widen(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

// A rename or a replacement opens the file for deletion; whoever holds it open without sharing that
// keeps it in place. Such an open, which reads and writes nothing, asks exactly that.
bool WindowsFileSystem::IsInUse(const std::string& path) {
    UniqueFileHandle file(::CreateFileW(Widen(path).c_str(), DELETE,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                        FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    return !file && ::GetLastError() == ERROR_SHARING_VIOLATION;
}

bool WindowsFileSystem::Rename(const std::string& from, const std::string& to) {
    return ::MoveFileExW(Widen(from).c_str(), Widen(to).c_str(), MOVEFILE_WRITE_THROUGH) != 0;
}

// A read-only target is refused here, as CopyReplacing refuses it: Wine run by the superuser would
// replace it. One that another program holds open the system refuses itself.
bool WindowsFileSystem::MoveReplacing(const std::string& from, const std::string& to) {
    constexpr DWORD kReplaceDurably = MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH;
    return !IsReadOnly(to) && ::MoveFileExW(Widen(from).c_str(), Widen(to).c_str(), kReplaceDurably) != 0;
}

namespace {

[[noreturn]] void ThrowLastError() {
    const DWORD error = ::GetLastError();
    throw FileError(static_cast<int>(error), ErrorDescription(error));
}

// Up to `most` bytes of the file from its start, in one read: anything that does not fit one read is
// too large for the tool's own files anyway.
std::string ReadStart(const std::string& path, size_t most) {
    UniqueFileHandle file(::CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    LARGE_INTEGER size{};
    if (!file || !::GetFileSizeEx(file.Get(), &size))
        ThrowLastError();
    const size_t length = std::min(static_cast<size_t>(size.QuadPart), most);
    if (length > 0x7FFFFFFF)
        throw FileError(ERROR_FILE_TOO_LARGE, ErrorDescription(ERROR_FILE_TOO_LARGE));
    std::string bytes(length, '\0');
    DWORD read = 0;
    if (!bytes.empty() && !::ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr))
        ThrowLastError();
    bytes.resize(read);
    return bytes;
}

}  // namespace

std::string WindowsFileSystem::ReadWholeText(const std::string& path) {
    return AnsiToUtf8(ReadStart(path, SIZE_MAX));
}

std::string WindowsFileSystem::ReadBytes(const std::string& path, size_t most) {
    return ReadStart(path, most);
}

// CREATE_NEW refuses whatever is at the path, a folder included. A file not written whole is
// deleted through its own handle, so nothing else of that name can be hit.
bool WindowsFileSystem::WriteNew(const std::string& path, std::string_view bytes) {
    UniqueFileHandle file(::CreateFileW(Widen(path).c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return false;
    DWORD written = 0;
    if (bytes.size() <= MAXDWORD &&
        ::WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
        written == bytes.size())
        return true;
    FILE_DISPOSITION_INFO remove{TRUE};
    ::SetFileInformationByHandle(file.Get(), FileDispositionInfo, &remove, sizeof(remove));
    return false;
}

std::vector<std::string> WindowsFileSystem::FilesIn(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAW found{};
    UniqueFindHandle find(::FindFirstFileW(Widen(folder + "\\*").c_str(), &found));
    for (bool more = find.Valid(); more; more = ::FindNextFileW(find.Get(), &found))
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.push_back(Narrow(found.cFileName));
    return names;
}

bool WindowsFileSystem::MakeFolders(const std::string& path) {
    const std::wstring folder = Widen(path);
    ::SHCreateDirectoryExW(nullptr, folder.c_str(), nullptr);
    const DWORD attributes = ::GetFileAttributesW(folder.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The name is this process's and a count of its own, so two copies of the tool, or two probes of
// one, never meet; one that is taken all the same is passed by. The file is opened for deletion on
// close, so it goes even when the tool stops between making and closing it; whether it went is
// asked afterwards, since a right to make files is not always one to remove them.
bool WindowsFileSystem::CanCreateAndDeleteIn(const std::string& folder) {
    std::wstring base = Widen(folder);
    if (base.empty())
        return false;
    if (base.back() != L'\\')
        base += L'\\';
    base += L"PitchPilot.probe." + std::to_wstring(::GetCurrentProcessId()) + L".";
    for (int attempt = 0; attempt < 10; ++attempt) {
        const std::wstring probe = base + std::to_wstring(++probes_) + L".tmp";
        UniqueFileHandle file(::CreateFileW(probe.c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
                                            FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
        if (!file) {
            if (::GetLastError() == ERROR_FILE_EXISTS)
                continue;
            return false;
        }
        file.Reset();
        if (::GetFileAttributesW(probe.c_str()) == INVALID_FILE_ATTRIBUTES)
            return true;
        ::DeleteFileW(probe.c_str());
        return false;
    }
    return false;
}

std::string WindowsFileSystem::VirtualStoreFolder() {
    PWSTR local = nullptr;
    if (FAILED(::SHGetKnownFolderPath(FOLDERID_LocalAppData, KF_FLAG_DONT_VERIFY, nullptr, &local)) || !local) {
        ::CoTaskMemFree(local);
        return {};
    }
    const std::string folder = Narrow(local) + "\\VirtualStore";
    ::CoTaskMemFree(local);
    return folder;
}

}  // namespace pp::win32
