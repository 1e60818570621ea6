// The process table against the system's, with copies of the stand-in game started for the test.

#include <gtest/gtest.h>

#include <algorithm>

#include "process/mmshut_win32.h"
#include "tests/wine/support/harness.h"
#include "win32/text.h"

namespace pp {
namespace {

class ProcessTable : public testing::Test {
  protected:
    // A copy of the stand-in game under the name, started from the test's folder.
    std::unique_ptr<test::ChildProcess> StartGameCopy(const std::string& name) {
        EXPECT_TRUE(::CopyFileW(win32::Widen(test::ProgramFolder() + "\\fifa09.exe").c_str(),
                                win32::Widen(folder / name).c_str(), FALSE));
        return std::make_unique<test::ChildProcess>(folder / name, test::ProgramFolder());
    }
    std::string NameOf(uint32_t id) {
        const std::vector<ProcessEntry> all = processes.Snapshot();
        auto it = std::find_if(all.begin(), all.end(), [&](const ProcessEntry& e) { return e.id == id; });
        return it == all.end() ? "<not listed>" : it->exeName;
    }

    test::TempFolder folder;
    win32::ToolhelpProcessTable processes;
};

// The end-to-end run ends a started game through the table with F12; these are the names and ids
// it does not meet there.
TEST_F(ProcessTable, NamesOutsideTheCodePageAreListedAndWhatIsNoProcessIsRefused) {
    const std::string odd = "Spiel \xC3\xBC \xCE\xA9 09.exe";
    const auto oddlyNamed = StartGameCopy(odd);
    EXPECT_EQ(NameOf(oddlyNamed->Id()), odd);
    EXPECT_FALSE(processes.EndProcess(0xFFFFFFF0u));
}

}  // namespace
}  // namespace pp
