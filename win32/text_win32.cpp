#include "win32/text.h"

#include <windows.h>

namespace pp::win32 {
namespace {

std::string FromWide(UINT codePage, std::wstring_view wide) {
    if (wide.empty())
        return {};
    const int length = static_cast<int>(wide.size());
    int size = ::WideCharToMultiByte(codePage, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(size), '\0');
    ::WideCharToMultiByte(codePage, 0, wide.data(), length, out.data(), size, nullptr, nullptr);
    return out;
}

std::wstring ToWide(UINT codePage, DWORD flags, std::string_view text) {
    if (text.empty())
        return {};
    int size = ::MultiByteToWideChar(codePage, flags, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(size), L'\0');
    ::MultiByteToWideChar(codePage, flags, text.data(), static_cast<int>(text.size()), out.data(), size);
    return out;
}

}  // namespace

std::wstring Widen(std::string_view utf8) {
    return ToWide(CP_UTF8, 0, utf8);
}

std::string Narrow(std::wstring_view wide) {
    return FromWide(CP_UTF8, wide);
}

std::string AnsiToUtf8(std::string_view ansi) {
    return Narrow(ToWide(CP_ACP, 0, ansi));
}

std::string Utf8ToAnsi(std::string_view utf8) {
    return FromWide(CP_ACP, Widen(utf8));
}

std::string ErrorDescription(unsigned long error) {
    wchar_t* buffer = nullptr;
    DWORD length =
        ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                         nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text(buffer ? buffer : L"", length);
    if (buffer)
        ::LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' '))
        text.pop_back();
    if (text.empty())
        return "Error " + std::to_string(error);
    return Narrow(text);
}

}  // namespace pp::win32
