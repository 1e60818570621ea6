// The process table against the system's, with copies of the stand-in game started for the test.

#include <gtest/gtest.h>

#include <algorithm>

#include "process/mmshut_win32.h"
#include "tests/wine/support/desktop.h"
#include "tests/wine/support/files.h"
#include "tests/wine/support/processes.h"
#include "win32/text.h"

namespace pp {
namespace {

class ProcessTable : public testing::Test {
  protected:
    // A copy of the stand-in game under the name, in the test's folder.
    std::string GameCopy(const std::string& name) {
        EXPECT_TRUE(::CopyFileW(win32::Widen(test::ProgramFolder() + "\\fifa09.exe").c_str(),
                                win32::Widen(folder / name).c_str(), FALSE));
        return folder / name;
    }
    std::string NameOf(uint32_t id) {
        const std::vector<ProcessEntry> all = processes.Snapshot();
        auto it = std::find_if(all.begin(), all.end(), [&](const ProcessEntry& e) { return e.id == id; });
        return it == all.end() ? "<not listed>" : it->exeName;
    }

    test::TempFolder folder;
    win32::ToolhelpProcessTable processes;
};

TEST_F(ProcessTable, SnapshotListsProgramsByTheirFileNameAlone) {
    const std::string odd = "Spiel \xC3\xBC \xCE\xA9 09.exe";
    test::ChildProcess game(GameCopy("fifa09.exe"));
    test::ChildProcess oddlyNamed(GameCopy(odd));
    EXPECT_EQ(NameOf(game.Id()), "fifa09.exe");
    EXPECT_EQ(NameOf(oddlyNamed.Id()), odd);
}

TEST_F(ProcessTable, EndProcessEndsWithExitCodeZeroAndRefusesWhatIsNoProcess) {
    test::ChildProcess game(GameCopy("fifa09.exe"));
    ASSERT_NE(game.Id(), 0u);
    EXPECT_TRUE(processes.EndProcess(game.Id()));
    EXPECT_EQ(game.WaitForExit(test::kLongWaitMs), 0u);
    EXPECT_FALSE(processes.EndProcess(0xFFFFFFF0u));
}

}  // namespace
}  // namespace pp
