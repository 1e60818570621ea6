#include <gtest/gtest.h>

#include <windows.h>

#include <tlhelp32.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/wiring.h"
#include "model/form1.h"
#include "process/key_state_win32.h"
#include "process/mmshut_win32.h"
#include "tests/native/support/fakes.h"
#include "tests/wine/support/child_process.h"
#include "tests/wine/support/temp_folder.h"
#include "win32/handles.h"
#include "win32/text.h"

namespace pp {
namespace {

// Long enough for a loaded machine; only a process that is never ended waits this long.
constexpr uint32_t kEndWaitMs = 30000;

// The main window model with the real process table and key state; the services the terminator
// and the watcher do not use are the core's stand-ins.
class GameProcess : public testing::Test {
  protected:
    GameProcess() {
        standIn = folder / "fifa09.exe";
        if (!test::CopyFileTo(test::ProgramFolder() + "\\fifa09.exe", standIn))
            standIn.clear();
    }

    // Another program of another name: the stand-in under that name.
    std::string CopyOfTheGameAs(const std::string& name) {
        const std::string path = folder / name;
        return test::CopyFileTo(standIn, path) ? path : std::string();
    }

    std::vector<ProcessEntry> Snapshot() { return processes.Snapshot(); }
    static size_t PositionOf(const std::vector<ProcessEntry>& walk, uint32_t id) {
        auto it = std::find_if(walk.begin(), walk.end(), [&](const ProcessEntry& e) { return e.id == id; });
        return static_cast<size_t>(it - walk.begin());
    }
    void RunOnePassAgainstTheGame() {
        form.TerminatorWindow().EXESHUT.SetCaption("fifa09.exe");
        form.TerminatorWindow().TS.SetEnabled(true);
        form.LoadedTerminator()->TS.Tick();
    }

    test::TempFolder folder{"pp game"};
    std::string standIn;
    FakeOs fake;
    win32::ToolhelpProcessTable processes;
    win32::WindowsKeyState keys;
    Os os{fake.files, fake.host, fake.settings, fake.profile, fake.shell, processes, keys, fake.pictures, fake.window};
    Form1 form{os};
    bool wired = (WireHandlers(form), true);
};

TEST_F(GameProcess, SnapshotListsRunningProgramsByNameWithoutFolder) {
    ASSERT_FALSE(standIn.empty()) << "bin\\fifa09.exe is missing";
    test::ChildProcess game(standIn);
    ASSERT_TRUE(game.Started());
    const std::vector<ProcessEntry> walk = Snapshot();

    auto own =
        std::find_if(walk.begin(), walk.end(), [](const ProcessEntry& e) { return e.id == ::GetCurrentProcessId(); });
    ASSERT_NE(own, walk.end());
    EXPECT_EQ(own->exeName, "game_process_test.exe");
    const size_t gameAt = PositionOf(walk, game.Id());
    ASSERT_LT(gameAt, walk.size());
    EXPECT_EQ(walk[gameAt].exeName, "fifa09.exe");
    for (const ProcessEntry& e : walk)
        EXPECT_EQ(e.exeName.find_first_of("\\/"), std::string::npos) << e.exeName;

    // The walk starts with the first process the system lists.
    win32::UniqueFileHandle snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    ASSERT_TRUE(snapshot.Valid());
    PROCESSENTRY32W first{};
    first.dwSize = sizeof(first);
    ASSERT_TRUE(::Process32FirstW(snapshot.Get(), &first));
    EXPECT_LT(PositionOf(walk, first.th32ProcessID), walk.size());
}

TEST_F(GameProcess, EndProcessEndsWithExitCodeZeroAndRefusesAnIdThatIsNoProcess) {
    ASSERT_FALSE(standIn.empty());
    test::ChildProcess game(standIn);
    ASSERT_TRUE(game.Started());
    EXPECT_TRUE(processes.EndProcess(game.Id()));
    EXPECT_EQ(game.WaitForExit(kEndWaitMs), 0u);
    EXPECT_FALSE(processes.EndProcess(0xFFFFFFF0u));
}

TEST_F(GameProcess, PassEndsTheGameAndLeavesOtherProgramsRunning) {
    ASSERT_FALSE(standIn.empty());
    const std::string other = CopyOfTheGameAs("myfifa09.exe");
    const std::string backup = CopyOfTheGameAs("fifa09.exe.bak.exe");
    ASSERT_FALSE(other.empty());
    test::ChildProcess game(standIn);
    test::ChildProcess bystander(other);
    test::ChildProcess backupCopy(backup);
    ASSERT_TRUE(game.Started() && bystander.Started() && backupCopy.Started());

    RunOnePassAgainstTheGame();

    EXPECT_EQ(game.WaitForExit(kEndWaitMs), 0u);
    EXPECT_TRUE(bystander.Running());
    EXPECT_TRUE(backupCopy.Running());
    EXPECT_EQ(form.LoadedTerminator(), nullptr);
}

TEST_F(GameProcess, OfTwoGamesOnlyTheOneListedLaterIsEnded) {
    ASSERT_FALSE(standIn.empty());
    test::ChildProcess a(standIn);
    test::ChildProcess b(standIn);
    ASSERT_TRUE(a.Started() && b.Started());
    const std::vector<ProcessEntry> walk = Snapshot();
    const bool aIsLater = PositionOf(walk, a.Id()) > PositionOf(walk, b.Id());
    test::ChildProcess& later = aIsLater ? a : b;
    test::ChildProcess& earlier = aIsLater ? b : a;

    RunOnePassAgainstTheGame();

    EXPECT_EQ(later.WaitForExit(kEndWaitMs), 0u);
    EXPECT_TRUE(earlier.Running());

    // A fresh load looks for "drc.exe": the other game survives a second pass without a start.
    form.TerminatorWindow().TS.SetEnabled(true);
    form.LoadedTerminator()->TS.Tick();
    EXPECT_TRUE(earlier.Running());
}

void SendKey(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    ::SendInput(1, &input, sizeof(input));
}

// Releases F12 whatever the test's outcome, so no key stays down for the next test.
struct KeyDown {
    explicit KeyDown(WORD k) : key(k) { SendKey(key, false); }
    ~KeyDown() { SendKey(key, true); }
    WORD key;
};

TEST_F(GameProcess, F12SeenByTheNextTickEndsTheGame) {
    ASSERT_FALSE(standIn.empty());
    test::ChildProcess game(standIn);
    ASSERT_TRUE(game.Started());
    form.TerminatorWindow().EXESHUT.SetCaption("fifa09.exe");

    ::GetAsyncKeyState(VK_F12);  // forget any earlier press
    form.TKEY.Tick();
    ASSERT_NE(form.LoadedTerminator(), nullptr);
    EXPECT_FALSE(form.LoadedTerminator()->TS.Enabled()) << "armed without F12";

    {
        KeyDown f12(VK_F12);
        form.TKEY.Tick();
    }
    ASSERT_NE(form.LoadedTerminator(), nullptr);
    ASSERT_TRUE(form.LoadedTerminator()->TS.Enabled());
    form.LoadedTerminator()->TS.Tick();

    EXPECT_EQ(game.WaitForExit(kEndWaitMs), 0u);
    EXPECT_EQ(form.LoadedTerminator(), nullptr);
}

}  // namespace
}  // namespace pp
