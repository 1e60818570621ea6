// End to end, as a player who may not change the game folder (another account owns it). Only
// tests/e2e/run-as-player runs it, as a throw-away user, checking between the parts that nothing changed.

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "config/game_folder.h"
#include "model/control_ids.h"
#include "state/registry_settings_store_win32.h"
#include "state/saved_state.h"
#include "tests/wine/support/harness.h"
#include "view/main_window_win32.h"
#include "win32/text.h"

namespace pp {
namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// Every text of the tool's message, which its OK button then closes.
std::string ReadAndClose(uint32_t tool) {
    const HWND box = test::WaitForTopWindow(tool, L"#32770");
    if (!box)
        return "(no message)";
    std::wstring text = test::WindowText(box);
    for (HWND child = ::GetWindow(box, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        text += L"\n" + test::WindowText(child);
    EXPECT_TRUE(test::BringToFront(box));
    test::ClickOn(::GetDlgItem(box, IDOK));
    EXPECT_TRUE(test::WaitUntil([&] { return !::IsWindow(box); })) << "OK closed no message";
    return win32::Narrow(text);
}

class PlayerWhoMayNotChangeTheGameFolder : public testing::Test {
  protected:
    void SetUp() override {
        const std::string run = Environment("PP_PLAYER_RUN"), prefix = Environment("WINEPREFIX");
        ASSERT_TRUE(!run.empty() && prefix.rfind(run, 0) == 0 && !root.empty())
            << "refusing to run: only tests/e2e/run-as-player runs this, in the Wine prefix it made";
        ASSERT_TRUE(settings.Save(kSettingsApplication, "09PP", "c2", "1")) << "Save USER.INI checked";
        ::DeleteFileW(win32::Widen(reports + "\\fifa09.report.txt").c_str());
    }
    HWND Start() {
        tool = std::make_unique<test::ChildProcess>(root + "\\KWTR\\PP09\\PitchPilot.exe", reports);
        const HWND window = test::WaitForTopWindow(tool->Id(), win32::kForm1ClassName);
        EXPECT_NE(window, nullptr) << "the main window did not come";
        return window;
    }
    std::optional<test::GameReport> StartTheGameAndClose(HWND window, bool toldWhy) {
        EXPECT_TRUE(test::BringToFront(window));
        test::ClickOn(::GetDlgItem(window, IDC_FBU_2));
        if (toldWhy) {
            const std::string told = ReadAndClose(tool->Id());
            EXPECT_NE(told.find("user.ini was not written"), std::string::npos)
                << "the second message is START's, not another at the start: " << told;
        }
        std::optional<test::GameReport> report = test::WaitForGameReport(reports);
        if (report)
            report->game.reset();
        EXPECT_TRUE(test::BringToFront(window));
        test::ClickOn(::GetDlgItem(window, IDC_FBU_0));
        EXPECT_EQ(tool->WaitForExit(test::kLongWaitMs), 0u) << "the close button ends the tool";
        return report;
    }
    const std::string root = Environment("PP_PLAYER_GAME_FOLDER");
    const std::string reports = Environment("PP_GAME_REPORT_FOLDER");
    win32::RegistrySettingsStore settings;
    std::unique_ptr<test::ChildProcess> tool;
};

// Wine has no administrator to ask, so no Allow is offered.
TEST_F(PlayerWhoMayNotChangeTheGameFolder, IsToldOnceAndStillPlays) {
    const HWND window = Start();
    ASSERT_NE(window, nullptr);
    const std::string notice = ReadAndClose(tool->Id());
    EXPECT_TRUE(notice.find(root + "\\") != std::string::npos &&
                notice.find("permissions must change") != std::string::npos)
        << notice;
    EXPECT_EQ(notice.find(kAllowButton), std::string::npos) << "no Allow under Wine";
    EXPECT_EQ(win32::Narrow(test::WindowText(::GetDlgItem(window, IDC_FolderNote))), kFolderNoteText);
    const auto report = StartTheGameAndClose(window, true);
    ASSERT_TRUE(report) << "START started no game";
    EXPECT_FALSE(report->userIni) << "there is no user.ini";
    EXPECT_NE(report->commandLine.find(" SIDE_SELECT=-h "), std::string::npos) << report->commandLine;
}

// The folder is the player's now: nothing is said.
TEST_F(PlayerWhoMayNotChangeTheGameFolder, OnceItMayTheToolDoesWhatItSkipped) {
    const HWND window = Start();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(test::WindowText(::GetDlgItem(window, IDC_FolderNote)), L"");
    for (const std::string name : {"common.ini", "locale.ini", "sku.ini", "situation.ini"}) {
        EXPECT_FALSE(test::ReadFile(root + "\\" + name)) << name << " was moved aside";
        EXPECT_TRUE(test::ReadFile(root + "\\bak_" + name)) << name;
    }
    const auto report = StartTheGameAndClose(window, false);
    ASSERT_TRUE(report && report->userIni) << "START started no game with user.ini";
    EXPECT_NE(report->userIni->find("SIDE_SELECT=-h\r\n"), std::string::npos) << *report->userIni;
}

}  // namespace
}  // namespace pp
