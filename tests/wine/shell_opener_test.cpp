// The shell opener against the system's, starting the stand-in game from folders whose paths hold
// blanks and letters outside the system code page.

#include <gtest/gtest.h>

#include <windows.h>

#include "shell/shell_opener_win32.h"
#include "tests/wine/support/game_report.h"
#include "tests/wine/support/temp_folder.h"
#include "win32/text.h"

namespace pp {
namespace {

class ShellOpener : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(::CopyFileW(win32::Widen(test::ProgramFolder() + "\\fifa09.exe").c_str(),
                                win32::Widen(game).c_str(), FALSE))
            << "bin\\fifa09.exe is missing";
        test::MakeFolders(elsewhere);
    }

    test::TempFolder folder{"pp shell"};
    const std::string gameFolder = folder / "game \xE6\x97\xA5";
    const std::string game = (test::MakeFolders(gameFolder), gameFolder + "\\fifa09.exe");
    const std::string elsewhere = folder / "working \xCE\xA9";
    test::GameReaper reaper{gameFolder};
    win32::WindowsShellOpener opener;
};

TEST_F(ShellOpener, RunsTheProgramWithItsParametersInTheWorkingFolder) {
    const std::string parameters = " HOME_TEAM=103  CUSTOM/NAME=\xC3\x89quipe \xE2\x82\xAC";
    ASSERT_TRUE(opener.Open(game, parameters, elsewhere));
    const std::vector<test::GameReport> reports = test::WaitForGameReports(gameFolder, 1);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].workingFolder, elsewhere);
    const std::string& line = reports[0].commandLine;
    ASSERT_GE(line.size(), parameters.size());
    EXPECT_EQ(line.substr(line.size() - parameters.size()), parameters) << line;
    EXPECT_NE(line.find(game), std::string::npos) << line;
}

TEST_F(ShellOpener, EmptyParametersAndFolderMeanNone) {
    ASSERT_TRUE(opener.Open(game, "", ""));
    const std::vector<test::GameReport> reports = test::WaitForGameReports(gameFolder, 1);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].commandLine.find("fifa09.exe\" "), std::string::npos) << reports[0].commandLine;
}

TEST_F(ShellOpener, WhatCannotBeOpenedIsRefused) {
    for (const std::string& file : {folder / "absent.exe", folder / "no such folder\\fifa09.exe", std::string()})
        EXPECT_FALSE(opener.Open(file, "", "")) << file;
}

}  // namespace
}  // namespace pp
