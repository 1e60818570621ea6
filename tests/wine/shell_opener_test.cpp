#include <gtest/gtest.h>

#include "shell/shell_opener_win32.h"
#include "tests/wine/support/harness.h"
#include "win32/text.h"

namespace pp {
namespace {

TEST(ShellOpener, RunsTheProgramWithItsParametersInTheWorkingFolderAndRefusesWhatIsNone) {
    test::TempFolder folder;
    const std::string gameFolder = folder / "game \xE6\x97\xA5", game = gameFolder + "\\fifa09.exe";
    const std::string elsewhere = folder / "working \xCE\xA9";
    test::MakeFolders(gameFolder);
    test::MakeFolders(elsewhere);
    ASSERT_TRUE(
        ::CopyFileW(win32::Widen(test::ProgramFolder() + "\\fifa09.exe").c_str(), win32::Widen(game).c_str(), TRUE));
    win32::WindowsShellOpener opener;
    for (const std::string parameters : {" HOME_TEAM=103  CUSTOM/NAME=\xC3\x89quipe \xE2\x82\xAC", ""}) {
        ASSERT_TRUE(opener.Open(game, parameters, parameters.empty() ? "" : elsewhere));
        const std::optional<test::GameReport> report = test::WaitForGameReport(gameFolder);
        ASSERT_TRUE(report);
        EXPECT_EQ(report->commandLine, "\"" + game + "\"" + (parameters.empty() ? "" : " " + parameters));
        EXPECT_TRUE(parameters.empty() || report->workingFolder == elsewhere) << report->workingFolder;
    }
    EXPECT_FALSE(opener.Open(folder / "absent.exe", "", ""));
}

}  // namespace
}  // namespace pp
