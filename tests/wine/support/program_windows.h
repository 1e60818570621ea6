#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace pp::test {

// Long enough for a loaded machine and a fresh Wine session; only a window that never comes
// makes a test wait this long.
inline constexpr uint32_t kWindowWaitMs = 60000;

// The first visible top-level window of the process with the class name (and the title, when
// one is given), once its thread takes messages, waiting for it at most `milliseconds`; null when
// none came.
HWND WaitForTopWindow(uint32_t processId,
                      const std::wstring& className,
                      const std::wstring& title = {},
                      uint32_t milliseconds = kWindowWaitMs);

// The visible top-level windows of the process with the class name, now.
std::vector<HWND> TopWindowsOf(uint32_t processId, const std::wstring& className);

std::wstring WindowText(HWND window);
std::wstring ClassOf(HWND window);

// A system message box: its message (the one static control with text), the captions of its
// buttons, and its OK button pressed as the user would.
std::wstring MessageBoxText(HWND box);
std::vector<std::wstring> ButtonCaptions(HWND dialog);
void PressOk(HWND box);

// The items of a combo box of another process, in the order it shows them.
std::vector<std::wstring> ComboItems(HWND combo);

}  // namespace pp::test
