// End to end: PitchPilot.exe in a copy of the demo game folder, run by a player's input.
//
// Each case copies the demo game folder that the build lays out (bin\..\demo-game) into a
// temporary folder, starts the tool there and operates its window through the system: mouse
// clicks and key strokes, as a player would. (Setting a drop-down's selection by message from
// outside races with the window, which shows the model again at every tick of a running logo
// fade and so may put the old selection back before the selection's notice arrives.) What counts
// is what the stand-in game was given, what the registry and the game folder hold afterwards, and
// what the screen shows.
//
// The screenshots go to the build folder (screenshots\) at every run, and also to the folder named
// by the environment variable PP_SCREENSHOT_DIR when it is set (a Windows path, or a Unix path
// under Wine's Z: drive), so that normal runs do not rewrite committed pictures.

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/dpi.h"
#include "app/form1_layout.h"
#include "app/main_window_win32.h"
#include "model/control_ids.h"
#include "model/picture.h"
#include "tests/wine/support/child_process.h"
#include "tests/wine/support/display_scale.h"
#include "tests/wine/support/folder_copy.h"
#include "tests/wine/support/game_folder.h"
#include "tests/wine/support/game_report.h"
#include "tests/wine/support/program_windows.h"
#include "tests/wine/support/screen_capture.h"
#include "tests/wine/support/temp_folder.h"
#include "tests/wine/support/user_input.h"
#include "win32/handles.h"
#include "win32/text.h"

namespace pp {
namespace {

using win32::Widen;

// Long enough for a loaded machine; only a program that never ends waits this long.
constexpr uint32_t kEndWaitMs = 30000;
constexpr wchar_t kSettingsKey[] = L"Software\\KWTR\\09PP";
constexpr uint32_t kEmptyLogo = 0xFF081E12;  // what a logo box shows before its first logo
constexpr POINT kFreeSpot = {665, 522};      // a spot of the background at 96 dpi
constexpr int kDoubleDpi = 192;

// The demo's clubs and ground that the player picks, with the ids of the list files.
const std::wstring kHomeTeam = L"Kestrel Bay United";
const std::wstring kAwayTeam = L"R\u00E9al Sombreval";
const std::wstring kStadium = L"Lantern Dome";
const std::wstring kCheat = L"CUSTOM/E2E=1";

std::string BuildFolder() {
    return test::ProgramFolder() + "\\..";
}

// A Unix path names the same folder through Wine's Z: drive.
std::string ScreenshotFolderFromEnvironment() {
    const char* folder = std::getenv("PP_SCREENSHOT_DIR");
    if (!folder || !*folder)
        return {};
    std::string path = folder;
    if (path.front() == '/') {
        std::replace(path.begin(), path.end(), '/', '\\');
        path = "Z:" + path;
    }
    return path;
}

void SaveScreenshot(const Picture& picture, const std::string& name) {
    EXPECT_TRUE(test::SavePng(picture, BuildFolder() + "\\screenshots\\" + name)) << name;
    const std::string wanted = ScreenshotFolderFromEnvironment();
    if (!wanted.empty()) {
        EXPECT_TRUE(test::SavePng(picture, wanted + "\\" + name)) << wanted << "\\" << name;
    }
}

std::optional<std::wstring> StoredValue(const wchar_t* name) {
    wchar_t value[1024] = {};
    DWORD size = sizeof(value);
    if (::RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, name, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return std::wstring(value);
}

void StoreValue(const wchar_t* name, const std::wstring& value) {
    ::RegSetKeyValueW(HKEY_CURRENT_USER, kSettingsKey, name, REG_SZ, value.c_str(),
                      static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

// The sections of an INI text with their keys and values; keys before any section header belong to
// the section "".
std::map<std::string, std::map<std::string, std::string>> ParseIni(const std::string& text) {
    std::map<std::string, std::map<std::string, std::string>> sections;
    std::string section;
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find('\n', at);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(at, end - at);
        at = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            section = line.substr(1, line.size() - 2);
            sections[section];
        } else if (const size_t equals = line.find('='); equals != std::string::npos) {
            sections[section][line.substr(0, equals)] = line.substr(equals + 1);
        }
    }
    return sections;
}

LRESULT CheckState(HWND button) {
    return ::SendMessageW(button, BM_GETCHECK, 0, 0);
}

int Selected(HWND combo) {
    return static_cast<int>(::SendMessageW(combo, CB_GETCURSEL, 0, 0));
}

int IndexOf(HWND combo, const std::wstring& item) {
    const std::vector<std::wstring> items = test::ComboItems(combo);
    const auto found = std::find(items.begin(), items.end(), item);
    return found == items.end() ? -1 : static_cast<int>(found - items.begin());
}

// The share of the rectangle's pixels that differ from `colour`.
double ShareUnlike(const Picture& picture, const PixelRect& r, uint32_t colour) {
    int unlike = 0, all = 0;
    for (int y = r.top; y < r.bottom && y < picture.height; ++y)
        for (int x = r.left; x < r.right && x < picture.width; ++x, ++all)
            unlike += picture.At(x, y) != colour;
    return all ? static_cast<double>(unlike) / all : 0.0;
}

class DemoGameRun : public testing::Test {
  protected:
    // The test measures the tool's window in real pixels at every scale.
    static void SetUpTestSuite() { ::SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2); }

    void SetUp() override {
        ASSERT_TRUE(test::CopyFolder(BuildFolder() + "\\demo-game", root)) << "the build lays out demo-game";
        ASSERT_TRUE(test::FileExists(tool));
    }

    // Started from a working folder outside the game, as from a desktop shortcut.
    std::unique_ptr<test::ChildProcess> Start() {
        return std::make_unique<test::ChildProcess>(tool, "", test::ProgramFolder());
    }
    static HWND MainWindowOf(const test::ChildProcess& process) {
        return test::WaitForTopWindow(process.Id(), win32::kForm1ClassName);
    }

    // Opens the drop-down with a click and picks the item with the arrow keys and Enter.
    static void PickWithKeyboard(HWND combo, const std::wstring& item) {
        const int index = IndexOf(combo, item);
        ASSERT_GE(index, 0) << win32::Narrow(item);
        test::ClickOn(combo);
        ASSERT_TRUE(test::WaitUntil([&] { return ::SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) != 0; }));
        test::PressKeys({VK_HOME});
        for (int i = 0; i < index; ++i)
            test::PressKeys({VK_DOWN});
        test::PressKeys({VK_RETURN});
        EXPECT_TRUE(test::WaitUntil(
            [&] { return Selected(combo) == index && ::SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) == 0; }));
    }

    static void ClickCheckBox(HWND window, int id, LRESULT expected) {
        const HWND box = ::GetDlgItem(window, id);
        test::ClickOn(box);
        EXPECT_TRUE(test::WaitUntil([&] { return CheckState(box) == expected; })) << id;
    }

    // The window as the screen shows it once both logos have faded in and nothing moves any more.
    static Picture SettledPicture(HWND window, int dpi) {
        const PixelRect logos[] = {ScaleToDpi(FindPlace(IDC_P_SHOW)->rect, dpi),
                                   ScaleToDpi(FindPlace(IDC_P_SHOW2)->rect, dpi)};
        Picture last;
        Picture settled;
        // The pointer rests on the pitch, clear of every control, so no button is lit.
        test::MovePointerTo(window, {ScaleToDpi(kFreeSpot.x, dpi), ScaleToDpi(kFreeSpot.y, dpi)});
        test::WaitUntil([&] {
            test::BringToFront(window);
            Picture now = test::CaptureClientArea(window);
            const bool logosShown = std::all_of(std::begin(logos), std::end(logos), [&](const PixelRect& r) {
                return ShareUnlike(now, r, kEmptyLogo) > 0.5;
            });
            const bool still = !now.Empty() && now.pixels == last.pixels;
            last = std::move(now);
            if (logosShown && still)
                settled = last;
            return !settled.Empty();
        });
        return settled;
    }

    // Alt+F4 with the window in front, as the player closes it from the keyboard.
    static std::optional<uint32_t> CloseWithAltF4(test::ChildProcess& process, HWND window) {
        EXPECT_TRUE(test::BringToFront(window));
        test::PressKeys({VK_MENU, VK_F4});
        return process.WaitForExit(kEndWaitMs);
    }

    test::DisplayScale scale{kBaseDpi};
    test::FreshToolSettings settings;
    test::TempFolder folder{"pp e2e"};
    const std::string root = folder / "FIFA 09 Demo";
    const std::string tool = root + "\\KWTR\\PP09\\PitchPilot.exe";
    test::GameReaper reaper{root};
};

// A returning player (keep box checked last time) sets up a match, starts it, ends it with F12
// and closes the tool; the game got every choice, and the next start shows them again.
TEST_F(DemoGameRun, ChoicesReachTheGameAndComeBackAtTheNextStart) {
    StoreValue(L"c2", L"1");
    auto run = Start();
    HWND window = MainWindowOf(*run);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(test::BringToFront(window));

    PickWithKeyboard(::GetDlgItem(window, IDC_Combo1), kHomeTeam);
    PickWithKeyboard(::GetDlgItem(window, IDC_Combo2), kAwayTeam);
    PickWithKeyboard(::GetDlgItem(window, IDC_Combo5), kStadium);
    ClickCheckBox(window, IDC_Check10, BST_CHECKED);
    ClickCheckBox(window, IDC_OT_2, BST_CHECKED);
    EXPECT_EQ(CheckState(::GetDlgItem(window, IDC_OT_0)), BST_UNCHECKED);
    const HWND cheat = ::GetDlgItem(window, IDC_TX1);
    test::ClickOn(cheat);
    ASSERT_TRUE(test::WaitUntil([&] { return ::GetFocus() == cheat || test::WindowText(cheat).empty(); }));
    test::TypeText(kCheat);
    EXPECT_TRUE(test::WaitUntil([&] { return test::WindowText(cheat) == kCheat; }));

    test::ClickOn(::GetDlgItem(window, IDC_FBU_2));
    const std::vector<test::GameReport> reports = test::WaitForGameReports(root, 1);
    ASSERT_EQ(reports.size(), 1u);
    const test::GameReport& game = reports.front();
    EXPECT_EQ(game.workingFolder, root);
    for (const char* directive : {" HOME_TEAM=103 ", " AWAY_TEAM=122 ", " STADIUM=9 ", " OPTIONS/BOOKINGS=1 ",
                                  " SIDE_SELECT=-a ", " CUSTOM/E2E=1"}) {
        EXPECT_NE(game.commandLine.find(directive), std::string::npos) << directive << " in " << game.commandLine;
    }
    ASSERT_TRUE(game.userIni.has_value()) << "the keep box is checked";
    const auto ini = ParseIni(*game.userIni);
    EXPECT_EQ(ini.at("OPTIONS").at("BOOKINGS"), "1");
    EXPECT_EQ(ini.at("").at("HOME_TEAM"), "103");
    EXPECT_EQ(ini.at("").at("AWAY_TEAM"), "122");
    EXPECT_EQ(ini.at("CUSTOM").at("E2E"), "1") << "the cheat text goes in as well";

    // F12, held as a player holds it, ends the game at the tool's next look at the key.
    win32::UniqueKernelHandle process(::OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, game.pid));
    ASSERT_TRUE(process.Valid());
    {
        test::HeldKey f12(VK_F12);
        ASSERT_EQ(::WaitForSingleObject(process.Get(), kEndWaitMs), WAIT_OBJECT_0) << "F12 did not end the game";
    }
    DWORD gameExit = 1;
    ::GetExitCodeProcess(process.Get(), &gameExit);
    EXPECT_EQ(gameExit, 0u);
    EXPECT_TRUE(run->Running()) << "the tool outlives the game";

    EXPECT_EQ(CloseWithAltF4(*run, window), 0u);
    EXPECT_EQ(StoredValue(L"c10"), L"1");
    EXPECT_EQ(StoredValue(L"c2"), L"1");
    EXPECT_EQ(StoredValue(L"YC"), kCheat);
    std::string kept;
    ASSERT_TRUE(test::ReadFile(root + "\\user.ini", kept)) << "a checked keep box keeps user.ini";
    EXPECT_EQ(kept, *game.userIni);

    // The next start shows the same choices, and both logos once their fades have run.
    run = Start();
    window = MainWindowOf(*run);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(Selected(::GetDlgItem(window, IDC_Combo1)), IndexOf(::GetDlgItem(window, IDC_Combo1), kHomeTeam));
    EXPECT_EQ(Selected(::GetDlgItem(window, IDC_Combo2)), IndexOf(::GetDlgItem(window, IDC_Combo2), kAwayTeam));
    EXPECT_EQ(CheckState(::GetDlgItem(window, IDC_Check10)), BST_CHECKED);
    EXPECT_EQ(test::WindowText(::GetDlgItem(window, IDC_TX1)), kCheat);
    const Picture shot = SettledPicture(window, kBaseDpi);
    ASSERT_FALSE(shot.Empty()) << "the logos never showed";
    EXPECT_EQ(shot.width, kForm1Width);
    EXPECT_EQ(shot.height, kForm1Height);
    SaveScreenshot(shot, "screenshot-100.png");
    EXPECT_EQ(CloseWithAltF4(*run, window), 0u);

    // At 200 % every length of the window doubles, and the pictures are drawn anew at that size.
    test::DisplayScale twice(kDoubleDpi);
    run = Start();
    window = MainWindowOf(*run);
    ASSERT_NE(window, nullptr);
    RECT client{};
    ::GetClientRect(window, &client);
    EXPECT_EQ(client.right, 2 * kForm1Width);
    EXPECT_EQ(client.bottom, 2 * kForm1Height);
    for (const ControlPlace& place : Form1Layout()) {
        RECT r{};
        ::GetWindowRect(::GetDlgItem(window, place.id), &r);
        ::MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
        const PixelRect want = ScaleToDpi(place.rect, kDoubleDpi);
        EXPECT_EQ(r.left, want.left) << place.id;
        EXPECT_EQ(r.top, want.top) << place.id;
        EXPECT_EQ(r.right, want.right) << place.id;
    }
    const Picture big = SettledPicture(window, kDoubleDpi);
    ASSERT_FALSE(big.Empty()) << "the logos never showed";
    SaveScreenshot(big, "screenshot-200.png");
    test::ClickOn(::GetDlgItem(window, IDC_FBU_0));
    EXPECT_EQ(run->WaitForExit(kEndWaitMs), 0u) << "the close button ends the tool";
}

// The pixels of a control's place on a picture of the window's client area.
std::vector<uint32_t> PixelsOf(const Picture& picture, HWND window, int id) {
    RECT r{};
    ::GetWindowRect(::GetDlgItem(window, id), &r);
    ::MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
    std::vector<uint32_t> pixels;
    for (int y = std::max(0L, r.top); y < std::min<LONG>(r.bottom, picture.height); ++y)
        for (int x = std::max(0L, r.left); x < std::min<LONG>(r.right, picture.width); ++x)
            pixels.push_back(picture.At(x, y));
    return pixels;
}

POINT CentreOf(HWND window, int id) {
    RECT r{};
    ::GetWindowRect(::GetDlgItem(window, id), &r);
    ::MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// Under the pointer a button shows its hover face and a link its hover colour; going straight on
// to another one leaves the first lit, and only the pitch puts them all back as they were.
TEST_F(DemoGameRun, ButtonsAndLinksLightUpUnderThePointerUntilItCrossesThePitch) {
    auto run = Start();
    const HWND window = MainWindowOf(*run);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(test::BringToFront(window));
    auto shows = [&](int id, const std::vector<uint32_t>& pixels) {
        return PixelsOf(test::CaptureClientArea(window), window, id) == pixels;
    };

    test::MovePointerTo(window, kFreeSpot);
    Picture before;
    ASSERT_TRUE(test::WaitUntil([&] {
        Picture now = test::CaptureClientArea(window);
        const bool still = !now.Empty() && now.pixels == before.pixels;
        before = std::move(now);
        return still;
    }));
    const std::vector<uint32_t> start = PixelsOf(before, window, IDC_FBU_2);
    const std::vector<uint32_t> help = PixelsOf(before, window, IDC_FLB_2);

    test::MovePointerTo(window, CentreOf(window, IDC_FBU_2));
    EXPECT_TRUE(test::WaitUntil([&] { return !shows(IDC_FBU_2, start); })) << "START did not light up";
    test::MovePointerTo(window, CentreOf(window, IDC_FLB_2));
    EXPECT_TRUE(test::WaitUntil([&] { return !shows(IDC_FLB_2, help); })) << "Help did not light up";
    EXPECT_FALSE(shows(IDC_FBU_2, start)) << "START went out without the pointer crossing the pitch";

    test::MovePointerTo(window, kFreeSpot);
    EXPECT_TRUE(test::WaitUntil([&] { return shows(IDC_FBU_2, start) && shows(IDC_FLB_2, help); }))
        << "the pitch did not put the button and the link back as they were";
    EXPECT_EQ(CloseWithAltF4(*run, window), 0u);
}

// The focus, capture and move state of the thread that owns the window; all empty when the system
// could not say.
GUITHREADINFO GuiStateOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    if (!::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info))
        info = GUITHREADINFO{};
    return info;
}

// The window has no title bar: a press of the left button on a free spot of the pitch hands the
// window to the system's move loop, as a press on a title bar would; the right button does not.
TEST_F(DemoGameRun, TheLeftButtonOnThePitchStartsTheSystemsMove) {
    auto run = Start();
    const HWND window = MainWindowOf(*run);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(test::BringToFront(window));
    const auto moving = [&] {
        const GUITHREADINFO info = GuiStateOf(window);
        return (info.flags & GUI_INMOVESIZE) && info.hwndMoveSize == window;
    };

    test::MovePointerTo(window, kFreeSpot);
    {
        test::HeldButton right(MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
        EXPECT_FALSE(test::WaitUntil(moving, 1000)) << "the right button started a move";
    }
    {
        test::HeldButton left(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
        EXPECT_TRUE(test::WaitUntil(moving)) << "the left button did not start a move";
    }
    EXPECT_TRUE(test::WaitUntil([&] { return !moving(); }));
    EXPECT_EQ(CloseWithAltF4(*run, window), 0u);
}

// A new player's keep box is clear: the save command leaves user.ini alone and the exit removes
// it, so the game is never left with settings the player did not keep.
TEST_F(DemoGameRun, WithTheKeepBoxClearUserIniIsNotKept) {
    const std::string stale = "[OPTIONS]\r\nBOOKINGS=0\r\n";
    test::WriteFile(root + "\\user.ini", stale);
    auto run = Start();
    const HWND window = MainWindowOf(*run);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(test::BringToFront(window));
    EXPECT_EQ(CheckState(::GetDlgItem(window, IDC_Check2)), BST_UNCHECKED);

    ClickCheckBox(window, IDC_Check10, BST_CHECKED);
    test::ClickOn(::GetDlgItem(window, IDC_FBU_1));
    test::ClickOn(::GetDlgItem(window, IDC_FBU_0));
    EXPECT_EQ(run->WaitForExit(kEndWaitMs), 0u);
    EXPECT_FALSE(test::FileExists(root + "\\user.ini"));
    EXPECT_EQ(StoredValue(L"c2"), L"0");
    EXPECT_EQ(StoredValue(L"c10"), L"1") << "the close button saved the state";
    EXPECT_TRUE(test::GameReportsIn(root).empty()) << "saving starts no game";
}

// Every command of the window can be reached with Tab, in the order the eye reads the window: the
// command buttons, the teams, the options, the cheat box and the links.
TEST_F(DemoGameRun, TabReachesEveryCommandInReadingOrder) {
    auto run = Start();
    const HWND window = MainWindowOf(*run);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(test::BringToFront(window));
    auto focus = [&]() -> int {
        HWND focused = GuiStateOf(window).hwndFocus;
        if (!focused)
            return 0;
        // The edit field inside the resolution box stands for the box.
        if (::GetParent(focused) != window)
            focused = ::GetParent(focused);
        return ::GetDlgCtrlID(focused);
    };
    // A click is given again if the first did not reach the box; where the focus goes from there is
    // what the test is about.
    for (int attempt = 0; attempt < 3 && focus() != IDC_TX1; ++attempt) {
        test::ClickOn(::GetDlgItem(window, IDC_TX1));
        test::WaitUntil([&] { return focus() == IDC_TX1; }, 5000);
    }
    ASSERT_EQ(focus(), IDC_TX1);

    std::vector<int> order;
    for (int step = 0; step < 100; ++step) {
        const int before = focus();
        test::PressKeys({VK_TAB});
        ASSERT_TRUE(test::WaitUntil([&] { return focus() != before; })) << "Tab is stuck on " << before;
        if (focus() == IDC_TX1)
            break;
        order.push_back(focus());
    }
    const std::vector<int> expected = {IDC_FLB_0,  IDC_FLB_1,  IDC_FLB_2,  IDC_FLB_3,  IDC_FLB_4, IDC_FBU_1,
                                       IDC_FBU_2,  IDC_FBU_3,  IDC_Combo1, IDC_Combo3, IDC_OT_0,  IDC_Combo2,
                                       IDC_Combo4, IDC_Combo5, IDC_Combo6, IDC_Combo7};
    ASSERT_GE(order.size(), expected.size());
    EXPECT_EQ(std::vector<int>(order.begin(), order.begin() + static_cast<ptrdiff_t>(expected.size())), expected);
    for (int id : {IDC_Check3, IDC_Check22, IDC_Check70, IDC_Combo19, IDC_Combo15})
        EXPECT_NE(std::find(order.begin(), order.end(), id), order.end()) << id;
    EXPECT_EQ(std::find(order.begin(), order.end(), IDC_Check6), order.end()) << "a disabled box is skipped";
    EXPECT_EQ(CloseWithAltF4(*run, window), 0u);
}

// The titles of the visible top-level windows of every program.
std::vector<std::pair<HWND, std::wstring>> VisibleWindows() {
    std::vector<std::pair<HWND, std::wstring>> windows;
    ::EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            if (::IsWindowVisible(window))
                reinterpret_cast<std::vector<std::pair<HWND, std::wstring>>*>(data)->emplace_back(
                    window, test::WindowText(window));
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    return windows;
}

// The titles in one line, for a failure's message.
std::wstring TitlesOf(const std::vector<std::pair<HWND, std::wstring>>& windows) {
    std::wstring titles;
    for (const auto& [window, title] : windows)
        titles += L"\"" + title + L"\" ";
    return titles;
}

// Without the help page, Help opens the tool's readme.txt in the text editor.
TEST_F(DemoGameRun, HelpWithoutItsPageOpensTheReadme) {
    ASSERT_TRUE(::DeleteFileW(Widen(root + "\\KWTR\\tut\\09 Hoarding Kit.html").c_str()));
    auto run = Start();
    const HWND window = MainWindowOf(*run);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(test::BringToFront(window));
    test::ClickOn(::GetDlgItem(window, IDC_FLB_2));

    HWND editor = nullptr;
    EXPECT_TRUE(test::WaitUntil([&] {
        for (const auto& [w, title] : VisibleWindows())
            if (title.find(L"readme.txt") != std::wstring::npos)
                editor = w;
        return editor != nullptr;
    })) << "no editor window shows readme.txt; the windows shown: "
        << win32::Narrow(TitlesOf(VisibleWindows()));
    if (editor) {
        DWORD editorProcess = 0;
        ::GetWindowThreadProcessId(editor, &editorProcess);
        win32::UniqueKernelHandle process(::OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, editorProcess));
        ::PostMessageW(editor, WM_CLOSE, 0, 0);
        if (process && ::WaitForSingleObject(process.Get(), kEndWaitMs) != WAIT_OBJECT_0)
            ::TerminateProcess(process.Get(), 1);
    }
    EXPECT_EQ(CloseWithAltF4(*run, window), 0u);
}

}  // namespace
}  // namespace pp
