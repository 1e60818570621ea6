#include "tests/wine/support/files.h"

#include <windows.h>

#include <objidl.h>

#include <gdiplus.h>
#include <shellapi.h>
#include <shlobj.h>

#include <atomic>

#include "win32/handles.h"
#include "win32/text.h"

namespace pp::test {
namespace {

using win32::Widen;

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

TempFolder::TempFolder() {
    static std::atomic<int> counter{0};
    wchar_t temp[MAX_PATH + 1];
    const DWORD length = ::GetTempPathW(MAX_PATH, temp);  // ends with a separator
    path_ = win32::Narrow(std::wstring(temp, length)) + "pp test \xC5\xA1\xCE\xA9 " +
            std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(counter++);
    MakeFolders(path_);
}

TempFolder::~TempFolder() {
    ShellFileOperation(FO_DELETE, path_);
}

bool CopyFolder(const std::string& from, const std::string& to) {
    return ShellFileOperation(FO_COPY, from, to);
}

void MakeFolders(const std::string& path) {
    ::SHCreateDirectoryExW(nullptr, Widen(path).c_str(), nullptr);
}

void WriteFile(const std::string& path, const std::string& bytes) {
    win32::UniqueFileHandle file(
        ::CreateFileW(Widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    ::WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

std::optional<std::string> ReadFile(const std::string& path) {
    win32::UniqueFileHandle file(::CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                               nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (!file || !::GetFileSizeEx(file.Get(), &size))
        return std::nullopt;
    std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!::ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr))
        return std::nullopt;
    bytes.resize(read);
    return bytes;
}

win32::UniqueFileHandle HoldOpen(const std::string& path) {
    return win32::UniqueFileHandle(
        ::CreateFileW(Widen(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
}

std::string ProgramFolder() {
    wchar_t path[MAX_PATH];
    const std::wstring self(path, ::GetModuleFileNameW(nullptr, path, MAX_PATH));
    return win32::Narrow(self.substr(0, self.find_last_of(L'\\')));
}

bool WritePicture(const std::string& path, const Picture& picture, PictureFormat format) {
    const CLSID encoder = {
        static_cast<unsigned long>(format), 0x1A04, 0x11D3, {0x9A, 0x73, 0, 0, 0xF8, 0x1E, 0xF3, 0x2E}};
    // GDI+ reads the pixels in place to save them, and never writes them.
    auto* pixels = reinterpret_cast<BYTE*>(const_cast<uint32_t*>(picture.pixels.data()));
    Gdiplus::Bitmap bitmap(picture.width, picture.height, picture.width * 4, PixelFormat32bppARGB, pixels);
    return bitmap.Save(Widen(path).c_str(), &encoder, nullptr) == Gdiplus::Ok;
}

}  // namespace pp::test
