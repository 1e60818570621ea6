// End to end: PitchPilot.exe in a copy of the demo game folder, run by mouse and keyboard. It clears
// the tool's HKCU\Software\KWTR\09PP, so it runs only in the Wine prefix the test run made.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "menu/game_view_win32.h"
#include "menu/setup_commands_win32.h"
#include "model/control_ids.h"
#include "process/mmshut_win32.h"
#include "state/registry_settings_store_win32.h"
#include "state/saved_state.h"
#include "tests/wine/support/harness.h"
#include "view/main_window_win32.h"
#include "win32/clipboard.h"
#include "win32/text.h"

namespace pp {
namespace {

constexpr char kSection[] = "09PP";

const std::pair<int, std::wstring> kPicks[] = {{IDC_Combo1, L"Kestrel Bay United"},
                                               {IDC_Combo2, L"R\u00E9al Sombreval"},
                                               {IDC_Combo5, L"Lantern Dome"}};
const std::wstring kCheat = L"CUSTOM/E2E=1 \u00C9=2 \u0100=3 \u4E2D=5";

// Why this may not run here: Wine shows the Unix root as Z:, so Z:\<build>\bin is this folder.
std::string WhyNotHere() {
    const std::string bin = test::ProgramFolder();
    std::string build = bin.substr(2, bin.find_last_of('\\') - 1);
    std::replace(build.begin(), build.end(), '\\', '/');
    const char* prefix = std::getenv("WINEPREFIX");
    if (!::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "wine_get_version") || bin.rfind("Z:\\", 0) != 0 ||
        !prefix || std::string(prefix).rfind(build, 0) != 0)
        return "not under Wine with WINEPREFIX inside the build folder " + build +
               ", and the test would change a player's saved settings; run it through ctest";
    return {};
}

LRESULT Ask(HWND window, int id, UINT message, const wchar_t* text = nullptr) {
    return ::SendDlgItemMessageW(window, id, message, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text));
}

// The focus in another program's window thread.
HWND FocusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    ::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
}

// By click, arrow keys and Enter: a selection set by message races with the logo fade's redraws.
void PickWithKeyboard(HWND window, int id, const std::wstring& item) {
    const LRESULT index = Ask(window, id, CB_FINDSTRINGEXACT, item.c_str());
    ASSERT_GE(index, 0) << win32::Narrow(item);
    test::ClickOn(::GetDlgItem(window, id));
    ASSERT_TRUE(test::WaitUntil([&] { return Ask(window, id, CB_GETDROPPEDSTATE) != 0; }));
    test::PressKey(VK_HOME);
    for (LRESULT i = 0; i < index; ++i)
        test::PressKey(VK_DOWN);
    test::PressKey(VK_RETURN);
    EXPECT_TRUE(test::WaitUntil([&] { return Ask(window, id, CB_GETCURSEL) == index; }));
}

// Watching the sequence number, not opening the clipboard again and again, leaves it free to write.
std::string CopyFrom(HWND view, int button) {
    const DWORD before = ::GetClipboardSequenceNumber();
    test::ClickOn(::GetDlgItem(view, button));
    std::string text;
    EXPECT_TRUE(test::WaitUntil([&] {
        return ::GetClipboardSequenceNumber() != before &&
               !(text = win32::Narrow(win32::ReadClipboardText(nullptr))).empty();
    })) << "the copy button copied nothing";
    return text;
}

class DemoGameRun : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(WhyNotHere(), "") << "refusing to run";
        ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\KWTR\\09PP");
        ASSERT_TRUE(test::CopyFolder(test::ProgramFolder() + "\\..\\demo-game", root)) << "the build lays it out";
    }
    // From a working folder outside the game, as from a desktop shortcut.
    HWND Start() {
        run = std::make_unique<test::ChildProcess>(tool, test::ProgramFolder());
        const HWND window = test::WaitForTopWindow(run->Id(), win32::kForm1ClassName);
        EXPECT_TRUE(window && test::BringToFront(window)) << "the main window did not come";
        return window;
    }
    void Close(HWND window) {
        test::ClickOn(::GetDlgItem(window, IDC_FBU_0));
        EXPECT_EQ(run->WaitForExit(test::kLongWaitMs), 0u) << "the close button ends the tool";
    }
    // That copy is ended, so that it covers nothing of the tool's.
    std::optional<test::GameReport> GameStarted() {
        std::optional<test::GameReport> report = test::WaitForGameReport(root);
        if (report)
            report->game.reset();
        return report;
    }
    win32::RegistrySettingsStore settings;
    test::TempFolder folder;
    const std::string root = folder / "FIFA 09 Demo";
    const std::string tool = root + "\\KWTR\\PP09\\PitchPilot.exe";
    std::unique_ptr<test::ChildProcess> run;
};

// What the game will get, opened first, follows every choice and copies what START and PENALTY then
// hand the game, byte for byte (user.ini as the code page stores it: "Ā" as "A", "中" as "?").
TEST_F(DemoGameRun, ChoicesReachTheGameAndComeBackAtTheNextStart) {
    ASSERT_TRUE(settings.Save(kSettingsApplication, kSection, "c2", "1"));
    HWND window = Start();
    ASSERT_NE(window, nullptr);
    test::Shortcut('G');
    const HWND view = test::WaitForTopWindow(run->Id(), win32::kGameViewClassName);
    ASSERT_NE(view, nullptr) << "Ctrl+G opened no companion window";
    ASSERT_TRUE(test::BringToFront(window));
    for (const auto& [id, item] : kPicks)
        PickWithKeyboard(window, id, item);
    for (int id : {IDC_Check10, IDC_OT_2}) {
        test::ClickOn(::GetDlgItem(window, id));
        EXPECT_TRUE(test::WaitUntil([&] { return Ask(window, id, BM_GETCHECK) == BST_CHECKED; })) << id;
    }
    const HWND cheat = ::GetDlgItem(window, IDC_TX1);
    test::ClickOn(cheat);
    ASSERT_TRUE(test::WaitUntil([&] { return FocusOf(window) == cheat; }));
    test::TypeText(kCheat);
    EXPECT_TRUE(test::WaitUntil([&] { return test::WindowText(cheat) == kCheat; }));
    std::optional<test::GameReport> report;
    for (const auto& [kind, button] :
         {std::pair{win32::IDC_GameView_Start, IDC_FBU_2}, std::pair{win32::IDC_GameView_Penalty, IDC_FBU_3}}) {
        ASSERT_TRUE(test::BringToFront(view));
        test::ClickOn(::GetDlgItem(view, kind));
        ASSERT_TRUE(test::WaitUntil([&] { return ::SendDlgItemMessageW(view, kind, BM_GETCHECK, 0, 0) != 0; }));
        const std::string commandLine = CopyFrom(view, win32::IDC_GameView_CopyCommandLine);
        const std::string userIni = CopyFrom(view, win32::IDC_GameView_CopyUserIni);
        ASSERT_TRUE(test::BringToFront(window));
        test::ClickOn(::GetDlgItem(window, button));
        report = test::WaitForGameReport(root);
        ASSERT_TRUE(report && report->userIni) << kind << " started no game with user.ini (the keep box is checked)";
        EXPECT_EQ(report->commandLine, commandLine);
        EXPECT_EQ(win32::AnsiToUtf8(*report->userIni), userIni);
        EXPECT_EQ(report->workingFolder, root);
        for (const char* directive : {" HOME_TEAM=103 ", " AWAY_TEAM=122 ", " STADIUM=9 ", " OPTIONS/BOOKINGS=1 ",
                                      " SIDE_SELECT=-a ", " CUSTOM/E2E=1 "})
            EXPECT_NE(commandLine.find(directive), std::string::npos) << directive << " in " << commandLine;
        for (const char* entry : {"\xC9=2\r\nA=3\r\n?=5\r\n", "\nBOOKINGS=1\r\n", "[CUSTOM]\r\nE2E=1\r\n"})
            EXPECT_NE(report->userIni->find(entry), std::string::npos) << entry;
        // The tool's next look at the key state and the process table, for real.
        test::HeldKey f12(VK_F12);
        EXPECT_EQ(report->game->WaitForExit(test::kLongWaitMs), 0u) << "F12 ended the game with exit code 0";
    }
    EXPECT_FALSE(run->WaitForExit(0)) << "the tool outlives the game";
    Close(window);
    EXPECT_EQ(test::ReadFile(root + "\\user.ini"), report->userIni) << "a checked keep box keeps user.ini";
    window = Start();
    ASSERT_NE(window, nullptr);
    for (const auto& [id, item] : kPicks)
        EXPECT_EQ(Ask(window, id, CB_GETCURSEL), Ask(window, id, CB_FINDSTRINGEXACT, item.c_str())) << id;
    EXPECT_EQ(Ask(window, IDC_Check10, BM_GETCHECK), BST_CHECKED);
    EXPECT_EQ(test::WindowText(::GetDlgItem(window, IDC_TX1)), kCheat);
    Close(window);
}

long RunningGames() {
    const std::vector<ProcessEntry> all = win32::ToolhelpProcessTable().Snapshot();
    return std::count_if(all.begin(), all.end(),
                         [](const ProcessEntry& e) { return ::lstrcmpiA(e.exeName.c_str(), "fifa09.exe") == 0; });
}

// A double click on a quick-match shortcut; /close-after closes through the usual exit after F12.
TEST_F(DemoGameRun, TwoCopiesStartedAtOnceStartOneMatchAndCloseAfterIt) {
    ASSERT_EQ(RunningGames(), 0);
    auto first = std::make_unique<test::ChildProcess>(tool, test::ProgramFolder(), "/start /close-after", true);
    auto second = std::make_unique<test::ChildProcess>(tool, test::ProgramFolder(), "/start /close-after", true);
    const std::optional<test::GameReport> report = test::WaitForGameReport(root);
    ASSERT_TRUE(report) << "no match started";
    ASSERT_TRUE(test::WaitUntil([&] { return first->WaitForExit(0) || second->WaitForExit(0); }));
    std::unique_ptr<test::ChildProcess>& handedOver = first->WaitForExit(0) ? first : second;
    std::unique_ptr<test::ChildProcess>& running = handedOver == first ? second : first;
    EXPECT_EQ(handedOver->WaitForExit(0), 0u) << "the copy that handed its switch over ends with success";
    // Posted messages come in order: once this minimise is done, both requests were handled.
    const HWND window = test::WaitForTopWindow(running->Id(), win32::kForm1ClassName);
    ASSERT_NE(window, nullptr);
    ::PostMessageW(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(test::WaitUntil([&] { return ::IsIconic(window) != FALSE; }));
    EXPECT_EQ(RunningGames(), 1);
    EXPECT_FALSE(running->WaitForExit(0)) << "one tool runs, and stays while the game runs";
    {
        test::HeldKey f12(VK_F12);
        EXPECT_EQ(report->game->WaitForExit(test::kLongWaitMs), 0u);
    }
    EXPECT_EQ(running->WaitForExit(test::kLongWaitMs), 0u) << "the tool ended with the game";
    EXPECT_EQ(settings.Get(kSettingsApplication, kSection, "c2"), "0") << "the exit stored the state";
    EXPECT_FALSE(test::ReadFile(root + "\\user.ini")) << "and handled user.ini as at any exit";
}

// A setup saved, changed, loaded with Ctrl+1 and started: its switches hand the game the same bytes,
// at start and handed over; an unknown name is told of and starts nothing.
TEST_F(DemoGameRun, SetupSwitchesHandTheGameWhatLoadingTheSetupAndStartDo) {
    const std::wstring setupFile = win32::SetupsFolder() + L"\\E2E match.ini";
    ::DeleteFileW(setupFile.c_str());
    ASSERT_TRUE(settings.Save(kSettingsApplication, kSection, "c2", "1"));
    const HWND window = Start();
    ASSERT_NE(window, nullptr);
    PickWithKeyboard(window, IDC_Combo1, kPicks[0].second);
    test::Shortcut('S');
    ASSERT_NE(test::WaitForTopWindow(run->Id(), L"#32770"), nullptr) << "Ctrl+S asked for no name";
    test::TypeText(L"E2E match");
    test::PressKey(VK_RETURN);
    ASSERT_TRUE(test::WaitUntil([&] { return ::GetFileAttributesW(setupFile.c_str()) != INVALID_FILE_ATTRIBUTES; }));
    PickWithKeyboard(window, IDC_Combo1, kPicks[1].second);
    test::ClickOn(::GetDlgItem(window, IDC_Check10));
    test::Shortcut('1');
    EXPECT_TRUE(test::WaitUntil([&] {
        return Ask(window, IDC_Combo1, CB_GETCURSEL) ==
               Ask(window, IDC_Combo1, CB_FINDSTRINGEXACT, kPicks[0].second.c_str());
    }));
    test::ClickOn(::GetDlgItem(window, IDC_FBU_2));
    const std::optional<test::GameReport> loaded = GameStarted();
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->commandLine.find(" BOOKINGS=1"), std::string::npos) << "the load undid the change";
    Close(window);
    const struct {
        const char* arguments;
        bool handedOver, known;
    } runs[] = {{"/setup \"E2E match\" /start", false, true},
                {"--START --setup=\"e2e MATCH\"", true, true},
                {"/setup \"No such\" /start", true, false}};
    for (const auto& [arguments, handedOver, known] : runs) {
        SCOPED_TRACE(arguments);
        ASSERT_TRUE(settings.Save(kSettingsApplication, kSection, "c10", "0") &&
                    settings.Save(kSettingsApplication, kSection, "cb1", "0"));
        if (handedOver) {
            ASSERT_NE(Start(), nullptr);
            EXPECT_EQ(test::ChildProcess(tool, test::ProgramFolder(), arguments).WaitForExit(test::kLongWaitMs), 0u);
        } else {
            run = std::make_unique<test::ChildProcess>(tool, test::ProgramFolder(), arguments);
        }
        if (known) {
            const std::optional<test::GameReport> report = GameStarted();
            ASSERT_TRUE(report) << "no match started";
            EXPECT_EQ(report->commandLine, loaded->commandLine);
            EXPECT_EQ(report->userIni, loaded->userIni);
        } else {
            const HWND message = test::WaitForTopWindow(run->Id(), L"#32770");
            ASSERT_NE(message, nullptr) << "nothing told the player";
            ::SendMessageW(message, WM_COMMAND, IDOK, 0);
            ASSERT_TRUE(test::WaitUntil([&] { return !::IsWindow(message); }));
            EXPECT_FALSE(test::ReadFile(root + "\\fifa09.report.txt")) << "no match starts";
        }
        Close(test::WaitForTopWindow(run->Id(), win32::kForm1ClassName));
    }
    ::DeleteFileW(setupFile.c_str());
}

}  // namespace
}  // namespace pp
