#include <gtest/gtest.h>

#include "tests/native/support/game_folder.h"

namespace pp {
namespace {
using HotKey = GameFolder;

// Any nonzero answer for F12 (down now, or pressed since the last query) arms the terminator.
TEST_F(HotKey, EveryTickThatSeesF12ArmsTheTerminator) {
    for (uint16_t answer : {0x0000, 0x8000, 0x0001, 0x8001, 0x4000, 0xFFFF}) {
        form.UnloadTerminator();
        fake.keys.answer = answer;
        form.TKEY.Tick();
        EXPECT_EQ(form.LoadedTerminator() && form.LoadedTerminator()->TS.Enabled(), answer != 0) << answer;
        EXPECT_EQ(form.LoadedTerminator() != nullptr, answer != 0) << "no key, no window";
    }
}
}  // namespace
}  // namespace pp
