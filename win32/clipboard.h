#pragma once

// The clipboard's text, read and written as the system's Unicode text. Only files of the Windows
// build include this.

#include <windows.h>

#include <string>

namespace pp::win32 {

// The text on the clipboard; empty when there is none, or another program kept the clipboard open
// throughout the half second this waits for it.
std::wstring ReadClipboardText(HWND owner);

// Puts `text` on the clipboard in place of what was there; false when the clipboard would not take
// it, or another program kept it open throughout the half second this waits for it.
bool WriteClipboardText(HWND owner, const std::wstring& text);

}  // namespace pp::win32
