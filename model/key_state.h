#pragma once

#include <cstdint>

namespace pp {

constexpr int kVirtualKeyF12 = 0x7B;

// The system-wide key state, whatever window has the focus.
class KeyState {
  public:
    virtual ~KeyState() = default;
    // Top bit: the key is down now; lowest bit: it was pressed since the previous query.
    virtual uint16_t AsyncKeyState(int virtualKey) = 0;
};

}  // namespace pp
