#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "app/wiring.h"
#include "model/form1.h"
#include "model/key_state.h"
#include "tests/native/support/fakes.h"

namespace pp {
namespace {

constexpr uint16_t kDownNow = 0x8000;
constexpr uint16_t kPressedSinceLastQuery = 0x0001;

// Records which key each query asked about.
class RecordingKeys : public ScriptedKeys {
  public:
    std::vector<int> asked;
    uint16_t AsyncKeyState(int virtualKey) override {
        asked.push_back(virtualKey);
        return ScriptedKeys::AsyncKeyState(virtualKey);
    }
};

// Looks at the terminator's two lists at the moment the pass ends a process, the only moment they
// can be seen: the pass unloads the window, lists and all, at its end.
class WatchedProcessTable : public FakeProcessTable {
  public:
    Form1* form = nullptr;
    std::vector<std::string> namesSeen, idsSeen;
    int selectedSeen = -2;
    bool EndProcess(uint32_t id) override {
        if (form && form->LoadedTerminator()) {
            namesSeen = form->LoadedTerminator()->LS1.List().Items();
            idsSeen = form->LoadedTerminator()->LS2.List().Items();
            selectedSeen = form->LoadedTerminator()->LS2.List().SelectedIndex();
        }
        return FakeProcessTable::EndProcess(id);
    }
};

class ProcessControl : public testing::Test {
  protected:
    ProcessControl() { processes.form = &form; }

    void Run(std::vector<ProcessEntry> running) { processes.running = std::move(running); }
    // What a start command does to the terminator.
    void AimAtTheGame() { form.TerminatorWindow().EXESHUT.SetCaption("fifa09.exe"); }
    // F12 seen on the next tick of TKEY.
    void PressF12() {
        keys.answers.push_back(kDownNow | kPressedSinceLastQuery);
        form.TKEY.Tick();
    }
    // The terminator's timer fires, when it is loaded.
    void TerminatorTicks() {
        if (Fshut* fshut = form.LoadedTerminator())
            fshut->TS.Tick();
    }

    FakeOs fake;
    RecordingKeys keys;
    WatchedProcessTable processes;
    Os os{fake.files, fake.host, fake.settings, fake.profile, fake.shell, processes, keys, fake.pictures, fake.window};
    Form1 form{os};
    bool wired = (WireHandlers(form), true);
};

TEST_F(ProcessControl, WatcherArmsTheTerminatorOnEveryNonzeroAnswerForF12) {
    struct Case {
        uint16_t answer;
        bool armed;
    };
    for (const Case& c : std::vector<Case>{{0x0000, false},
                                           {kDownNow, true},
                                           {kPressedSinceLastQuery, true},
                                           {kDownNow | kPressedSinceLastQuery, true},
                                           {0x4000, true},
                                           {0xFFFF, true}}) {
        form.UnloadTerminator();
        keys.answers = {c.answer};
        form.TKEY.Tick();
        const bool armed = form.LoadedTerminator() && form.LoadedTerminator()->TS.Enabled();
        EXPECT_EQ(armed, c.armed) << std::hex << c.answer;
        if (!c.armed) {
            EXPECT_EQ(form.LoadedTerminator(), nullptr) << "no key, no window";
        }
    }
    EXPECT_EQ(keys.asked, std::vector<int>(6, 0x7B));
    EXPECT_EQ(form.TKEY.Interval(), 100);
    EXPECT_TRUE(form.TKEY.Enabled());
}

TEST_F(ProcessControl, ArmingAnArmedTerminatorKeepsItsTarget) {
    AimAtTheGame();
    PressF12();
    PressF12();
    ASSERT_NE(form.LoadedTerminator(), nullptr);
    EXPECT_EQ(form.LoadedTerminator()->EXESHUT.Caption(), "fifa09.exe");
    EXPECT_TRUE(form.LoadedTerminator()->TS.Enabled());
}

TEST_F(ProcessControl, PassListsTheWalkAndEndsTheLastMatch) {
    Run({{"[System Process]", 0}, {"fifa09.exe", 40}, {"explorer.exe", 41}, {"FIFA09.EXE", 42}, {"notepad.exe", 43}});
    AimAtTheGame();
    PressF12();
    TerminatorTicks();
    EXPECT_EQ(processes.ended, std::vector<uint32_t>{42});
    EXPECT_EQ(processes.namesSeen, (std::vector<std::string>{"[System Process]", "fifa09.exe", "explorer.exe",
                                                             "FIFA09.EXE", "notepad.exe"}));
    EXPECT_EQ(processes.idsSeen, (std::vector<std::string>{"0", "40", "41", "42", "43"}));
    EXPECT_EQ(processes.selectedSeen, 3);
    EXPECT_EQ(form.LoadedTerminator(), nullptr);
}

TEST_F(ProcessControl, OnlyTheWholeNameMatches) {
    const std::vector<std::string> others = {
        "fifa09.exe.bak", "myfifa09.exe",          "fifa09",     "fifa09.ex", " fifa09.exe", "fifa09.exe ",
        "fifa09.exe\\",   "C:\\Games\\fifa09.exe", "fifa0?.exe", "*"};
    for (const std::string& name : others) {
        Run({{name, 7}});
        AimAtTheGame();
        PressF12();
        TerminatorTicks();
        EXPECT_TRUE(processes.ended.empty()) << '"' << name << '"';
        EXPECT_EQ(form.LoadedTerminator(), nullptr);
    }
    for (const char* name : {"fifa09.exe", "FIFA09.EXE", "Fifa09.Exe"}) {
        Run({{"fifa09.exe.bak", 6}, {name, 7}, {"myfifa09.exe", 8}});
        AimAtTheGame();
        PressF12();
        TerminatorTicks();
        EXPECT_EQ(processes.ended.back(), 7u) << name;
    }
}

TEST_F(ProcessControl, OneProcessPerPassAndAFreshLoadLooksForDrc) {
    Run({{"fifa09.exe", 10}, {"drc.exe", 11}, {"fifa09.exe", 12}});
    AimAtTheGame();
    PressF12();
    TerminatorTicks();
    EXPECT_EQ(processes.ended, std::vector<uint32_t>{12});

    // The key is still down on the next tick: the window was unloaded, so this pass looks for
    // the design-time name.
    PressF12();
    ASSERT_NE(form.LoadedTerminator(), nullptr);
    EXPECT_EQ(form.LoadedTerminator()->EXESHUT.Caption(), "drc.exe");
    TerminatorTicks();
    EXPECT_EQ(processes.ended, (std::vector<uint32_t>{12, 11}));

    // A start command in between aims the next pass at the game again.
    AimAtTheGame();
    PressF12();
    TerminatorTicks();
    EXPECT_EQ(processes.ended, (std::vector<uint32_t>{12, 11, 10}));
    EXPECT_EQ(processes.snapshots, 3);
}

TEST_F(ProcessControl, TargetSetByAStartCommandLastsForOnePassOnly) {
    AimAtTheGame();
    PressF12();
    TerminatorTicks();  // no game running: nothing to end
    EXPECT_EQ(form.LoadedTerminator(), nullptr);
    Run({{"fifa09.exe", 5}});
    PressF12();
    TerminatorTicks();
    EXPECT_TRUE(processes.ended.empty());
}

TEST_F(ProcessControl, PassEndsUnloadedWhateverFails) {
    struct FailingTable : ProcessTable {
        bool throwOnSnapshot = false;
        int ends = 0;
        std::vector<ProcessEntry> Snapshot() override {
            if (throwOnSnapshot)
                throw std::runtime_error("no snapshot");
            return {{"fifa09.exe", 9}};
        }
        bool EndProcess(uint32_t) override {
            ++ends;
            return false;  // access denied, or already gone
        }
    };
    for (bool throwOnSnapshot : {false, true}) {
        FailingTable table;
        table.throwOnSnapshot = throwOnSnapshot;
        Os failingOs{fake.files, fake.host, fake.settings, fake.profile, fake.shell,
                     table,      fake.keys, fake.pictures, fake.window};
        Form1 other(failingOs);
        WireHandlers(other);
        other.TerminatorWindow().EXESHUT.SetCaption("fifa09.exe");
        other.TerminatorWindow().TS.SetEnabled(true);
        other.LoadedTerminator()->TS.Tick();
        EXPECT_EQ(other.LoadedTerminator(), nullptr);
        EXPECT_EQ(table.ends, throwOnSnapshot ? 0 : 1);
    }
}

TEST_F(ProcessControl, DisarmedTerminatorDoesNotTick) {
    Run({{"drc.exe", 3}});
    form.TerminatorWindow();
    TerminatorTicks();
    EXPECT_TRUE(processes.ended.empty());
    EXPECT_NE(form.LoadedTerminator(), nullptr);
    EXPECT_EQ(processes.snapshots, 0);
}

TEST_F(ProcessControl, ExitDropsAnArmedPass) {
    Run({{"fifa09.exe", 20}});
    AimAtTheGame();
    PressF12();
    form.Unload();
    EXPECT_EQ(form.LoadedTerminator(), nullptr);
    TerminatorTicks();
    EXPECT_TRUE(processes.ended.empty());
    EXPECT_EQ(processes.snapshots, 0);
}

}  // namespace
}  // namespace pp
