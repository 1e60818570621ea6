// The process table against the system's, with copies of the stand-in game started for the test.

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>

#include "process/mmshut_win32.h"
#include "tests/wine/support/child_process.h"
#include "tests/wine/support/temp_folder.h"
#include "win32/text.h"

namespace pp {
namespace {

// Long enough for a loaded machine; only a process that is never ended waits this long.
constexpr uint32_t kEndWaitMs = 30000;

class ProcessTable : public testing::Test {
  protected:
    // A copy of the stand-in game under the name, in the test's folder.
    std::string GameCopy(const std::string& name) {
        const std::string path = folder / name;
        EXPECT_TRUE(::CopyFileW(win32::Widen(test::ProgramFolder() + "\\fifa09.exe").c_str(),
                                win32::Widen(path).c_str(), FALSE))
            << "bin\\fifa09.exe is missing";
        return path;
    }
    std::optional<std::string> NameOf(uint32_t id) {
        const std::vector<ProcessEntry> all = processes.Snapshot();
        auto it = std::find_if(all.begin(), all.end(), [&](const ProcessEntry& e) { return e.id == id; });
        return it == all.end() ? std::nullopt : std::optional<std::string>(it->exeName);
    }

    test::TempFolder folder{"pp processes"};
    win32::ToolhelpProcessTable processes;
};

TEST_F(ProcessTable, SnapshotListsProgramsByTheirFileNameAlone) {
    const std::string odd = "Spiel \xC3\xBC \xCE\xA9 09.exe";
    test::ChildProcess game(GameCopy("fifa09.exe"));
    test::ChildProcess oddlyNamed(GameCopy(odd));
    ASSERT_TRUE(game.Started() && oddlyNamed.Started());

    EXPECT_EQ(NameOf(game.Id()), "fifa09.exe");
    EXPECT_EQ(NameOf(oddlyNamed.Id()), odd);
    wchar_t self[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    const std::wstring own(self);
    EXPECT_EQ(NameOf(::GetCurrentProcessId()), win32::Narrow(own.substr(own.find_last_of(L'\\') + 1)));
    for (const ProcessEntry& e : processes.Snapshot())
        EXPECT_EQ(e.exeName.find_first_of("\\/"), std::string::npos) << e.exeName;
}

TEST_F(ProcessTable, EndProcessEndsWithExitCodeZeroAndRefusesWhatIsNoProcess) {
    test::ChildProcess game(GameCopy("fifa09.exe"));
    ASSERT_TRUE(game.Started());
    const uint32_t id = game.Id();
    EXPECT_TRUE(processes.EndProcess(id));
    EXPECT_EQ(game.WaitForExit(kEndWaitMs), 0u);
    EXPECT_FALSE(processes.EndProcess(0xFFFFFFF0u));
    EXPECT_FALSE(processes.EndProcess(0));
}

}  // namespace
}  // namespace pp
