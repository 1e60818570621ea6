#include "process/key_state_win32.h"

#include <windows.h>

namespace pp::win32 {

uint16_t WindowsKeyState::AsyncKeyState(int virtualKey) {
    return static_cast<uint16_t>(::GetAsyncKeyState(virtualKey));
}

}  // namespace pp::win32
