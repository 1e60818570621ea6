#pragma once

// Text at the boundary to Windows: the core speaks UTF-8, the W functions UTF-16, and the list
// files are bytes of the system's ANSI code page.

#include <string>
#include <string_view>

namespace pp::win32 {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);
// Bytes of the system's ANSI code page as UTF-8; every byte becomes one character.
std::string AnsiToUtf8(std::string_view ansi);
// UTF-8 as bytes of the system's ANSI code page; a character the code page lacks becomes "?".
std::string Utf8ToAnsi(std::string_view utf8);
// The system's description of an error number, without the line end.
std::string ErrorDescription(unsigned long error);

}  // namespace pp::win32
