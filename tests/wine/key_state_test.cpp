// The key state service against the system's input queue: a key is seen down whatever window has
// the focus.

#include <gtest/gtest.h>

#include "process/key_state_win32.h"
#include "tests/wine/support/programs.h"

namespace pp {
namespace {

TEST(KeyState, F12IsSeenDownWhileHeldAndUpOnceReleased) {
    win32::WindowsKeyState keys;
    const auto down = [&](int key) { return (keys.AsyncKeyState(key) & 0x8000) != 0; };
    {
        test::HeldKey f12(VK_F12);
        EXPECT_TRUE(test::WaitUntil([&] { return down(kVirtualKeyF12); }));
        EXPECT_FALSE(down(VK_F11)) << "another key is not down";
    }
    EXPECT_TRUE(test::WaitUntil([&] { return !down(kVirtualKeyF12); }));
}

}  // namespace
}  // namespace pp
