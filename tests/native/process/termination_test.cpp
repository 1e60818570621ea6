#include <gtest/gtest.h>

#include "tests/native/support/game_folder.h"

namespace pp {
namespace {
struct Termination : GameFolder {
    // A start command aims the terminator at the game; F12 arms it; its timer runs the pass.
    void PassAimedAt(const char* target) {
        if (target)
            form.TerminatorWindow().EXESHUT.SetCaption(target);
        fake.keys.answer = 0x8001;
        form.TKEY.Tick();
        form.LoadedTerminator()->TS.Tick();
    }
};

// Armed only; ends unloaded whatever fails; the last of the whole name; a fresh load aims at the design name.
TEST_F(Termination, PassEndsTheLastProcessOfTheWholeName) {
    fake.processes.running = {{"drc.exe", 9}};
    form.TerminatorWindow().TS.Tick();
    EXPECT_EQ(fake.processes.snapshots, 0);
    fake.processes.refusingEnd = true;
    PassAimedAt(nullptr);
    fake.processes.failingSnapshot = true;
    PassAimedAt(nullptr);
    EXPECT_EQ(form.LoadedTerminator(), nullptr);
    EXPECT_EQ(fake.processes.snapshots, 2);
    EXPECT_TRUE(fake.processes.ended.empty());
    fake.processes = FakeProcessTable();
    fake.processes.running = {{"fifa09.exe", 40}, {"drc.exe", 41}, {"FIFA09.EXE", 42}, {"notepad.exe", 43}};
    PassAimedAt("fifa09.exe");
    EXPECT_EQ(form.LoadedTerminator(), nullptr);
    PassAimedAt(nullptr);
    PassAimedAt("fifa09.exe");
    EXPECT_EQ(fake.processes.ended, (std::vector<uint32_t>{42, 41, 40}));
    for (const char* other : {"fifa09.exe.bak", "myfifa09.exe", "fifa09", " fifa09.exe", "C:\\fifa09.exe", "*"}) {
        fake.processes.running = {{other, 7}};
        PassAimedAt("fifa09.exe");
        EXPECT_EQ(fake.processes.ended.size(), 3u) << other;
    }
}
}  // namespace
}  // namespace pp
