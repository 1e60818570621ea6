#include <gtest/gtest.h>

#include "tests/native/support/game_folder.h"

namespace pp {
namespace {

class Termination : public GameFolder {
  protected:
    // A start command aims the terminator at the game; F12 arms it; its timer runs the pass.
    void PassAimedAt(const char* target) {
        if (target)
            form.TerminatorWindow().EXESHUT.SetCaption(target);
        fake.keys.answers = {0x8001};
        form.TKEY.Tick();
        form.LoadedTerminator()->TS.Tick();
    }
};

// The pass lists the whole walk, names and ids, selects the last match and ends it; then it
// unloads its window, lists and all.
TEST_F(Termination, PassEndsTheLastProcessOfTheWholeName) {
    fake.processes.running = {
        {"[System Process]", 0}, {"fifa09.exe", 40}, {"explorer.exe", 41}, {"FIFA09.EXE", 42}, {"notepad.exe", 43}};
    std::vector<std::string> lists;
    fake.processes.beforeEnding = [&] {
        const Fshut& f = *form.LoadedTerminator();
        lists = f.LS1.List().Items();
        lists.insert(lists.end(), f.LS2.List().Items().begin(), f.LS2.List().Items().end());
        lists.push_back(std::to_string(f.LS2.List().SelectedIndex()));
    };
    PassAimedAt("fifa09.exe");
    EXPECT_EQ(fake.processes.ended, std::vector<uint32_t>{42});
    EXPECT_EQ(lists, (std::vector<std::string>{"[System Process]", "fifa09.exe", "explorer.exe", "FIFA09.EXE",
                                               "notepad.exe", "0", "40", "41", "42", "43", "3"}));
    EXPECT_EQ(form.LoadedTerminator(), nullptr);

    for (const char* other :
         {"fifa09.exe.bak", "myfifa09.exe", "fifa09", " fifa09.exe", "C:\\Games\\fifa09.exe", "fifa0?.exe", "*"}) {
        fake.processes.running = {{other, 7}};
        PassAimedAt("fifa09.exe");
        EXPECT_EQ(fake.processes.ended.size(), 1u) << other;
    }
}

// A target set by a start command lasts one pass: a fresh load looks for the design-time name.
TEST_F(Termination, OneProcessPerPassAndAFreshLoadLooksForDrc) {
    fake.processes.running = {{"fifa09.exe", 10}, {"drc.exe", 11}, {"fifa09.exe", 12}};
    PassAimedAt("fifa09.exe");
    PassAimedAt(nullptr);
    PassAimedAt("fifa09.exe");
    EXPECT_EQ(fake.processes.ended, (std::vector<uint32_t>{12, 11, 10}));
    EXPECT_EQ(fake.processes.snapshots, 3);
}

TEST_F(Termination, PassEndsDisarmedAndUnloadedWhateverFails) {
    fake.processes.running = {{"fifa09.exe", 9}};
    fake.processes.refusingEnd = true;
    PassAimedAt("fifa09.exe");
    EXPECT_EQ(form.LoadedTerminator(), nullptr);
    fake.processes.failingSnapshot = true;
    PassAimedAt("fifa09.exe");
    EXPECT_EQ(form.LoadedTerminator(), nullptr);
    EXPECT_TRUE(fake.processes.ended.empty());
}

TEST_F(Termination, DisarmedTerminatorDoesNotRunAPass) {
    fake.processes.running = {{"drc.exe", 3}};
    form.TerminatorWindow().TS.Tick();
    EXPECT_NE(form.LoadedTerminator(), nullptr);
    EXPECT_EQ(fake.processes.snapshots, 0);
}

}  // namespace
}  // namespace pp
