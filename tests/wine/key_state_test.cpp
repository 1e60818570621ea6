// The key state service against the system's input queue: a key pressed through it is seen
// whatever window has the focus.

#include <gtest/gtest.h>

#include <windows.h>

#include "process/key_state_win32.h"
#include "tests/wine/support/user_input.h"

namespace pp {
namespace {

constexpr uint16_t kDown = 0x8000;

TEST(KeyState, F12IsSeenDownWhileHeldAndUpOnceReleased) {
    win32::WindowsKeyState keys;
    keys.AsyncKeyState(kVirtualKeyF12);  // forgets any earlier press
    EXPECT_EQ(keys.AsyncKeyState(kVirtualKeyF12) & kDown, 0);
    {
        test::HeldKey f12(VK_F12);
        EXPECT_TRUE(test::WaitUntil([&] { return (keys.AsyncKeyState(kVirtualKeyF12) & kDown) != 0; }, 5000));
        EXPECT_EQ(keys.AsyncKeyState(VK_F11) & kDown, 0) << "another key is not down";
    }
    EXPECT_TRUE(test::WaitUntil([&] { return (keys.AsyncKeyState(kVirtualKeyF12) & kDown) == 0; }, 5000));
}

TEST(KeyState, KeysThatDoNotExistAreNeverDown) {
    win32::WindowsKeyState keys;
    for (int key : {0, -1, 256, 0x10000})
        EXPECT_EQ(keys.AsyncKeyState(key), 0) << key;
}

}  // namespace
}  // namespace pp
