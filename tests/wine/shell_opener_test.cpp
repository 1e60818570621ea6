// The shell opener against the system's, starting the stand-in game.

#include <gtest/gtest.h>

#include "shell/shell_opener_win32.h"
#include "tests/wine/support/harness.h"
#include "win32/text.h"

namespace pp {
namespace {

class ShellOpener : public testing::Test {
  protected:
    void SetUp() override {
        test::MakeFolders(gameFolder);
        test::MakeFolders(elsewhere);
        ASSERT_TRUE(::CopyFileW(win32::Widen(test::ProgramFolder() + "\\fifa09.exe").c_str(),
                                win32::Widen(game).c_str(), FALSE));
    }

    test::TempFolder folder;
    const std::string gameFolder = folder / "game \xE6\x97\xA5", game = gameFolder + "\\fifa09.exe";
    const std::string elsewhere = folder / "working \xCE\xA9";
    win32::WindowsShellOpener opener;
};

TEST_F(ShellOpener, RunsTheProgramWithItsParametersInTheWorkingFolder) {
    const std::string parameters = " HOME_TEAM=103  CUSTOM/NAME=\xC3\x89quipe \xE2\x82\xAC";
    ASSERT_TRUE(opener.Open(game, parameters, elsewhere));
    const std::optional<test::GameReport> report = test::WaitForGameReport(gameFolder);
    ASSERT_TRUE(report);
    EXPECT_EQ(report->workingFolder, elsewhere);
    EXPECT_EQ(report->commandLine, "\"" + game + "\" " + parameters);
}

TEST_F(ShellOpener, EmptyParametersAreNoneAndWhatCannotBeOpenedIsRefused) {
    ASSERT_TRUE(opener.Open(game, "", ""));
    const std::optional<test::GameReport> report = test::WaitForGameReport(gameFolder);
    ASSERT_TRUE(report);
    EXPECT_EQ(report->commandLine, "\"" + game + "\"");
    EXPECT_FALSE(opener.Open(folder / "absent.exe", "", ""));
}

}  // namespace
}  // namespace pp
