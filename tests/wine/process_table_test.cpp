// The names and ids the end-to-end run's F12 does not meet.

#include <gtest/gtest.h>

#include <algorithm>

#include "process/mmshut_win32.h"
#include "tests/wine/support/harness.h"
#include "win32/text.h"

namespace pp {
namespace {

TEST(ProcessTable, NamesOutsideTheCodePageAreListedAndWhatIsNoProcessIsRefused) {
    test::TempFolder folder;
    const std::string odd = "Spiel \xC3\xBC \xCE\xA9 09.exe";
    ASSERT_TRUE(::CopyFileW(win32::Widen(test::ProgramFolder() + "\\fifa09.exe").c_str(),
                            win32::Widen(folder / odd).c_str(), FALSE));
    const test::ChildProcess game(folder / odd, test::ProgramFolder());
    win32::ToolhelpProcessTable processes;
    const std::vector<ProcessEntry> all = processes.Snapshot();
    EXPECT_TRUE(std::any_of(all.begin(), all.end(), [&](const ProcessEntry& e) {
        return e.id == game.Id() && e.exeName == odd;
    })) << "not listed under its name";
    EXPECT_FALSE(processes.EndProcess(0xFFFFFFF0u));
}

}  // namespace
}  // namespace pp
