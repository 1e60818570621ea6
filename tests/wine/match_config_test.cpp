#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cctype>

#include "app/wiring.h"
#include "config/launcher.h"
#include "config/save_command.h"
#include "model/form1.h"
#include "tests/wine/support/child_process.h"
#include "tests/wine/support/game_report.h"
#include "tests/wine/support/picture_files.h"
#include "tests/wine/support/stand_in_os_win32.h"
#include "tests/wine/support/temp_folder.h"
#include "win32/handles.h"
#include "win32/text.h"

namespace pp {
namespace {

// One section of an ini file as read back: names upper-cased, since the profile writer matches
// them without regard to case. Entries ahead of the first header, or under "[]", are the empty
// section's.
struct IniSection {
    std::string name;
    std::vector<std::pair<std::string, std::string>> entries;
    bool operator==(const IniSection&) const = default;
};

std::string Upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::toupper(c); });
    return text;
}

std::vector<IniSection> ReadIni(const std::string& bytes) {
    std::vector<IniSection> sections;
    IniSection* current = nullptr;
    auto sectionNamed = [&](const std::string& name) {
        for (auto& s : sections)
            if (s.name == name)
                return &s;
        sections.push_back({name, {}});
        return &sections.back();
    };
    for (std::string line : SplitAtCrLf(bytes)) {
        if (line.empty())
            continue;
        if (line.front() == '[' && line.back() == ']') {
            current = sectionNamed(Upper(line.substr(1, line.size() - 2)));
            continue;
        }
        if (!current)
            current = sectionNamed("");
        const size_t equals = line.find('=');
        current->entries.emplace_back(Upper(line.substr(0, equals)),
                                      equals == std::string::npos ? "" : line.substr(equals + 1));
    }
    return sections;
}

// A game folder with every file the tool checks for, the stand-in game as fifa09.exe, the tool
// folder KWTR\PP09, and a main window whose game root is that folder.
class LaunchFolder : public testing::Test {
  protected:
    LaunchFolder() {
        test::WriteFile(dir / "KWTR\\teams.ini", "Alpha,5\r\nBeta,7\r\n");
        test::WriteFile(dir / "KWTR\\stads.ini", "North Bank,10\r\n");
        test::WriteFile(dir / "data\\fifa.fat", "");
        test::WriteFile(dir / "data\\cmn\\fifa.db", "");
        test::MakeFolders(dir / "KWTR\\PP09");
        EXPECT_TRUE(test::CopyFileTo(test::ProgramFolder() + "\\fifa09.exe", dir / "fifa09.exe"));
        system.host.programFolder = dir / "KWTR\\PP09";
        form.LP.SetCaption(root);
    }

    std::string UserIni() {
        std::string bytes;
        return test::ReadFile(root + "user.ini", bytes) ? bytes : "(none)";
    }

    // The command line after the program path and the one blank that ends it.
    static std::string ParametersOf(const test::GameReport& report) {
        const std::string& line = report.commandLine;
        size_t end = line.front() == '"' ? line.find('"', 1) + 1 : line.find(' ');
        return end < line.size() && line[end] == ' ' ? line.substr(end + 1) : "(no parameters)";
    }

    static bool IsRunning(uint32_t pid) {
        win32::UniqueKernelHandle process(::OpenProcess(SYNCHRONIZE, FALSE, pid));
        return process && ::WaitForSingleObject(process.Get(), 0) == WAIT_TIMEOUT;
    }

    test::TempFolder dir{"pp game"};
    test::GameReaper reaper{dir.Path()};  // after dir: the games end before their folder goes
    std::string root = dir.Path() + "\\";
    test::StandInOs system;
    Form1 form{system.os};
    bool wired = (WireHandlers(form), true);
};

TEST_F(LaunchFolder, SaveWritesUserIniInOrderOfFirstOccurrenceWithTheLastValue) {
    test::WriteFile(root + "user.ini", "[OLD]\r\nSTALE=1\r\n");
    form.TX1.SetText("GUI/FIRST=1 OPTIONS/BOOKINGS=0 DEBUG_SHOOTOUT=1  gui/first=2 NOVALUE");
    form.Check3.SetValue(1);   // AUDIO=1, slot 2
    form.Check8.SetValue(1);   // OPTIONS/OFFSIDE=1, slot 7
    form.Check10.SetValue(1);  // OPTIONS/BOOKINGS=1, slot 9
    form.Check11.SetValue(1);  // GUI/SKIP_TITLE=1, slot 10
    RunSaveCommand(form);

    std::vector<IniSection> sections = ReadIni(UserIni());
    auto empty = std::find_if(sections.begin(), sections.end(), [](const IniSection& s) { return s.name.empty(); });
    ASSERT_NE(empty, sections.end());
    EXPECT_EQ(empty->entries, (std::vector<std::pair<std::string, std::string>>{
                                  {"DEBUG_SHOOTOUT", "1"},
                                  {"AUDIO", "1"},
                                  {"CAMERA_BIG_ZOOM_MODIFIER", "0.15"},
                                  {"CAMERA_BIG_HEIGHT_MODIFIER", "0.08"},
                              }));
    sections.erase(empty);
    EXPECT_EQ(sections, (std::vector<IniSection>{
                            {"GUI", {{"FIRST", "2"}, {"SKIP_TITLE", "1"}}},
                            {"OPTIONS", {{"BOOKINGS", "1"}, {"OFFSIDE", "1"}}},
                        }));
}

TEST_F(LaunchFolder, SaveWithTheKeepBoxClearLeavesUserIniAsItWas) {
    form.Check2.SetValue(0);
    form.Check10.SetValue(1);
    RunSaveCommand(form);
    EXPECT_EQ(UserIni(), "(none)");

    const std::string before = "; the user's own\r\n[OPTIONS]\r\nBOOKINGS=0\r\n";
    test::WriteFile(root + "user.ini", before);
    RunSaveCommand(form);
    EXPECT_EQ(UserIni(), before);
    EXPECT_NE(form.Tx2.Text().find(" OPTIONS/BOOKINGS=1 "), std::string::npos);
}

TEST_F(LaunchFolder, StartCommandRunsTheGameInItsRootWithTheExactParameters) {
    form.Check10.SetValue(1);
    form.Combo14.SetListIndex(0);
    form.TX1.SetText("NO_EXTRA_TIME=1  X=\xC3\xA9");
    RunStartCommand(form);
    EXPECT_EQ(form.TerminatorWindow().EXESHUT.Caption(), "fifa09.exe");

    std::vector<test::GameReport> reports = test::WaitForGameReports(dir.Path(), 1);
    ASSERT_EQ(reports.size(), 1u);
    const test::GameReport& game = reports.front();
    EXPECT_EQ(ParametersOf(game), " " + form.Tx2.Text() + " NO_EXTRA_TIME=1  X=\xC3\xA9");
    EXPECT_EQ(ParametersOf(game).substr(0, 12), std::string(11, ' ') + "O");  // two, then slots 0 to 8 empty
    EXPECT_EQ(Upper(game.workingFolder + "\\"), Upper(root));
    EXPECT_EQ(game.userIni, UserIni());
    EXPECT_TRUE(IsRunning(game.pid));
}

TEST_F(LaunchFolder, PenaltyStartPutsTheShootoutFirst) {
    form.Check2.SetValue(0);
    RunPenaltyStartCommand(form);
    std::vector<test::GameReport> reports = test::WaitForGameReports(dir.Path(), 1);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(ParametersOf(reports.front()), " DEBUG_SHOOTOUT=1 " + form.Tx2.Text() + " ");
    EXPECT_EQ(reports.front().userIni, std::nullopt);
}

TEST_F(LaunchFolder, TwoStartCommandsStartTwoGames) {
    RunStartCommand(form);
    RunStartCommand(form);
    std::vector<test::GameReport> reports = test::WaitForGameReports(dir.Path(), 2);
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_NE(reports[0].pid, reports[1].pid);
    EXPECT_TRUE(IsRunning(reports[0].pid));
    EXPECT_TRUE(IsRunning(reports[1].pid));
    test::EndGamesRunningFrom(dir.Path());
    EXPECT_FALSE(IsRunning(reports[0].pid));
    EXPECT_FALSE(IsRunning(reports[1].pid));
}

TEST_F(LaunchFolder, TeamChoiceLoadsTheGameLogoOrTheDefaultPicture) {
    auto solid = [](uint32_t colour) { return [colour](int, int) { return colour; }; };
    ASSERT_TRUE(test::WritePictureFile(dir / "data\\easo\\fifa\\images\\logos\\logo5.jpg", 72, 72,
                                       test::PictureFormat::Jpeg, solid(0xFFFF0000u)));
    ASSERT_TRUE(
        test::WritePictureFile(dir / "KWTR\\PP09\\de.jpg", 40, 30, test::PictureFormat::Jpeg, solid(0xFF0000FFu)));
    form.List1.List().AddMany({"Alpha,5", "Beta,7"});
    form.Combo1.List().AddMany({"Alpha", "Beta"});

    form.Combo1.SetListIndex(0);
    EXPECT_EQ(form.slots.Read(50), "HOME_TEAM=5");
    ASSERT_NE(form.P_LOAD.Picture(), nullptr);
    EXPECT_EQ(form.P_LOAD.Picture()->width, 72);

    form.Combo1.SetListIndex(1);
    EXPECT_EQ(form.slots.Read(50), "HOME_TEAM=7");
    ASSERT_NE(form.P_LOAD.Picture(), nullptr);
    EXPECT_EQ(form.P_LOAD.Picture()->width, 40);
    EXPECT_TRUE(form.TA.Enabled());
}

}  // namespace
}  // namespace pp
