#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

namespace pp::test {

// Long enough for a loaded machine and a fresh Wine session; only what never happens waits this
// long.
inline constexpr uint32_t kLongWaitMs = 60000;

// Waits until `done` holds, polling, as input takes its way through another program's message
// loop; returns whether it held.
bool WaitUntil(const std::function<bool()>& done, uint32_t milliseconds = kLongWaitMs);

// The first visible top-level window of the process with the class name (and the title, when one
// is given), once its thread takes messages; null when none came.
HWND WaitForTopWindow(uint32_t processId, const std::wstring& className, const std::wstring& title = {});

// Asked by message, so that a control of another process tells what it holds.
std::wstring WindowText(HWND window);

// Input as a player gives it, through the system's input queue: it reaches the window under the
// pointer or the one with the keyboard focus, whichever program owns it.
bool BringToFront(HWND window);
// Moves the pointer to a point of the window's client area, and clicks there when asked.
void PointAt(HWND window, POINT client, bool click);
void ClickOn(HWND control);
void PressKey(WORD key);
// Character by character, whatever the keyboard layout.
void TypeText(const std::wstring& text);

// A key held down for one scope, released at its end whatever the test's outcome.
class HeldKey {
  public:
    explicit HeldKey(WORD key);
    ~HeldKey();
    HeldKey(const HeldKey&) = delete;
    HeldKey& operator=(const HeldKey&) = delete;

  private:
    WORD key_;
};

}  // namespace pp::test
