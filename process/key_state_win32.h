#pragma once

#include "model/key_state.h"

namespace pp::win32 {

// GetAsyncKeyState, its 16-bit result whole.
class WindowsKeyState : public KeyState {
  public:
    uint16_t AsyncKeyState(int virtualKey) override;
};

}  // namespace pp::win32
