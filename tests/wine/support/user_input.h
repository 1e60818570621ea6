#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>

#include "tests/wine/support/program_windows.h"

namespace pp::test {

// Input as a player gives it: through the system's input queue (SendInput), so it reaches the
// window under the pointer or the window with the keyboard focus, whichever program owns it.

// Brings a top-level window to the front with the keyboard focus, as a click on its taskbar
// button would; false when it did not come.
bool BringToFront(HWND window);

// Moves the pointer to the middle of the control and clicks the left button there.
void ClickOn(HWND control);

// Moves the pointer to a point of the window's client area.
void MovePointerTo(HWND window, POINT client);

// Presses and releases the keys in order, holding each until the last is pressed (a chord such as
// Alt+F4), and releases them in reverse order.
void PressKeys(std::initializer_list<WORD> keys);

// Types the text character by character, whatever the keyboard layout.
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

// Waits until `done` holds, polling; input takes its way through another program's message loop.
// Only what never happens waits the whole `milliseconds`. Returns whether it held.
bool WaitUntil(const std::function<bool()>& done, uint32_t milliseconds = kWindowWaitMs);

}  // namespace pp::test
