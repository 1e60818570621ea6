// End to end: PitchPilot.exe in a copy of the demo game folder (bin\..\demo-game), run by a
// player's mouse and keyboard. What counts is what the stand-in game was given, what the registry
// and the game folder hold afterwards, and what the screen shows.
//
// The tool keeps its state under HKCU\Software\KWTR\09PP, which this test clears: it runs only in
// the Wine prefix of the build folder, which the test run made, never on Windows or in a player's
// prefix. Its screenshots go to the build folder (screenshots\) and, when the environment variable
// PP_SCREENSHOT_DIR names a folder (a Windows path, or a Unix path under Wine's Z: drive), there
// too, so that normal runs do not rewrite the committed pictures.

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/dpi.h"
#include "app/form1_layout.h"
#include "app/main_window_win32.h"
#include "config/picture_loader_win32.h"
#include "model/control_ids.h"
#include "tests/wine/support/child_process.h"
#include "tests/wine/support/game_report.h"
#include "tests/wine/support/picture_files.h"
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
constexpr POINT kFreeSpot = {665, 522};      // a spot of the pitch at 96 dpi, clear of every control
constexpr int kDoubleDpi = 192;

// The demo's clubs and ground that the player picks, and what the game knows them by.
const std::wstring kHomeTeam = L"Kestrel Bay United";
const std::wstring kAwayTeam = L"R\u00E9al Sombreval";
const std::wstring kStadium = L"Lantern Dome";
const std::wstring kCheat = L"CUSTOM/E2E=1";

std::string BuildFolder() {
    return test::ProgramFolder() + "\\..";
}

// Empty when this process runs under Wine in a prefix inside the build folder; otherwise why not.
std::string WhyThisIsNoPrefixOfTheTestRun() {
    const HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
    using UnixName = char*(CDECL*)(const wchar_t*);
    const auto unixName = reinterpret_cast<UnixName>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    if (!ntdll || !::GetProcAddress(ntdll, "wine_get_version") || !unixName)
        return "this is not Wine, and the test would change the saved settings of this computer's player";
    const char* prefix = std::getenv("WINEPREFIX");
    std::string bin;
    if (char* name = unixName(Widen(test::ProgramFolder()).c_str())) {
        bin = name;
        ::HeapFree(::GetProcessHeap(), 0, name);
    }
    const std::string build = bin.substr(0, bin.find_last_of('/') + 1);
    if (!prefix || bin.empty() || std::string(prefix).rfind(build, 0) != 0)
        return "WINEPREFIX (" + std::string(prefix ? prefix : "unset") + ") is not inside the build folder " + build +
               "; run the test through ctest in a session of scripts/lib/common.sh";
    return {};
}

// The display resolution that programs started from now on find, for one scope (Wine reads the
// user's LogPixels when a program starts); 96 is 100 %, 192 is 200 %.
class DisplayScale {
  public:
    explicit DisplayScale(DWORD dpi) { Set(dpi); }
    ~DisplayScale() { Set(kBaseDpi); }
    DisplayScale(const DisplayScale&) = delete;
    DisplayScale& operator=(const DisplayScale&) = delete;

  private:
    static void Set(DWORD dpi) {
        ::RegSetKeyValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels", REG_DWORD, &dpi, sizeof(dpi));
    }
};

std::optional<std::wstring> StoredValue(const wchar_t* name) {
    wchar_t value[1024] = {};
    DWORD size = sizeof(value);
    if (::RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, name, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return std::wstring(value);
}

std::wstring IniValue(const std::string& file, const wchar_t* section, const wchar_t* key) {
    wchar_t value[256] = {};
    ::GetPrivateProfileStringW(section, key, L"<none>", value, 256, Widen(file).c_str());
    return value;
}

LRESULT CheckState(HWND window, int id) {
    return ::SendDlgItemMessageW(window, id, BM_GETCHECK, 0, 0);
}

int Selected(HWND window, int id) {
    return static_cast<int>(::SendDlgItemMessageW(window, id, CB_GETCURSEL, 0, 0));
}

int IndexOf(HWND window, int id, const std::wstring& item) {
    const std::vector<std::wstring> items = test::ComboItems(::GetDlgItem(window, id));
    const auto found = std::find(items.begin(), items.end(), item);
    return found == items.end() ? -1 : static_cast<int>(found - items.begin());
}

// Opens the drop-down with a click and picks the item with the arrow keys and Enter. (A selection
// set by message from outside races with the window, which shows the model again at every tick of
// a running logo fade.)
void PickWithKeyboard(HWND window, int id, const std::wstring& item) {
    const HWND combo = ::GetDlgItem(window, id);
    const int index = IndexOf(window, id, item);
    ASSERT_GE(index, 0) << win32::Narrow(item);
    test::ClickOn(combo);
    ASSERT_TRUE(test::WaitUntil([&] { return ::SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) != 0; }));
    test::PressKeys({VK_HOME});
    for (int i = 0; i < index; ++i)
        test::PressKeys({VK_DOWN});
    test::PressKeys({VK_RETURN});
    EXPECT_TRUE(test::WaitUntil(
        [&] { return Selected(window, id) == index && ::SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) == 0; }));
}

void ClickCheckBox(HWND window, int id) {
    test::ClickOn(::GetDlgItem(window, id));
    EXPECT_TRUE(test::WaitUntil([&] { return CheckState(window, id) == BST_CHECKED; })) << id;
}

// The share of the rectangle's pixels that differ from `colour`.
double ShareUnlike(const Picture& picture, const PixelRect& r, uint32_t colour) {
    int unlike = 0, all = 0;
    for (int y = r.top; y < r.bottom && y < picture.height; ++y)
        for (int x = r.left; x < r.right && x < picture.width; ++x, ++all)
            unlike += picture.At(x, y) != colour;
    return all ? static_cast<double>(unlike) / all : 0.0;
}

// The window as the screen shows it once both logos have faded in and nothing moves any more,
// with the pointer resting on the pitch so that no button is lit.
Picture SettledPicture(HWND window, int dpi) {
    const PixelRect logos[] = {ScaleToDpi(FindPlace(IDC_P_SHOW)->rect, dpi),
                               ScaleToDpi(FindPlace(IDC_P_SHOW2)->rect, dpi)};
    test::MovePointerTo(window, {ScaleToDpi(kFreeSpot.x, dpi), ScaleToDpi(kFreeSpot.y, dpi)});
    Picture last, settled;
    test::WaitUntil([&] {
        test::BringToFront(window);
        Picture now = test::CaptureClientArea(window);
        const bool logosShown = std::all_of(std::begin(logos), std::end(logos),
                                            [&](const PixelRect& r) { return ShareUnlike(now, r, kEmptyLogo) > 0.5; });
        if (logosShown && !now.Empty() && now.pixels == last.pixels)
            settled = now;
        last = std::move(now);
        return !settled.Empty();
    });
    return settled;
}

void SaveScreenshot(const Picture& picture, const std::string& name) {
    std::vector<std::string> folders = {BuildFolder() + "\\screenshots"};
    if (const char* wanted = std::getenv("PP_SCREENSHOT_DIR"); wanted && *wanted) {
        std::string folder = wanted;
        if (folder.front() == '/') {
            std::replace(folder.begin(), folder.end(), '/', '\\');
            folder = "Z:" + folder;
        }
        folders.push_back(folder);
    }
    for (const std::string& folder : folders)
        EXPECT_TRUE(test::WritePictureFile(folder + "\\" + name, picture.width, picture.height,
                                           test::PictureFormat::Png, [&](int x, int y) { return picture.At(x, y); }))
            << folder << "\\" << name;
}

class DemoGameRun : public testing::Test {
  protected:
    // The test measures the tool's window in real pixels at every scale.
    static void SetUpTestSuite() { ::SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2); }

    void SetUp() override {
        const std::string refusal = WhyThisIsNoPrefixOfTheTestRun();
        ASSERT_EQ(refusal, "") << "refusing to run";
        ::RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey);
        ASSERT_TRUE(test::CopyFolder(BuildFolder() + "\\demo-game", root)) << "the build lays out demo-game";
    }

    // Started from a working folder outside the game, as from a desktop shortcut, with its window
    // in front once it takes input.
    HWND Start() {
        run = std::make_unique<test::ChildProcess>(root + "\\KWTR\\PP09\\PitchPilot.exe", "", test::ProgramFolder());
        const HWND window = test::WaitForTopWindow(run->Id(), win32::kForm1ClassName);
        EXPECT_TRUE(window && test::BringToFront(window)) << "the main window did not come";
        return window;
    }

    win32::GdiplusPictureLoader gdiplus;  // keeps GDI+ running for the screenshots
    std::optional<DisplayScale> scale{kBaseDpi};
    test::TempFolder folder{"pp e2e"};
    const std::string root = folder / "FIFA 09 Demo";
    test::GameReaper reaper{root};
    std::unique_ptr<test::ChildProcess> run;
};

// A player who keeps user.ini sets up a match, starts the game, ends it with F12 and closes the
// tool; the game got every choice, and the next start, at 200 %, shows them again.
TEST_F(DemoGameRun, ChoicesReachTheGameAndComeBackAtTheNextStart) {
    const std::wstring keep = L"1";
    ::RegSetKeyValueW(HKEY_CURRENT_USER, kSettingsKey, L"c2", REG_SZ, keep.c_str(), 4);
    HWND window = Start();
    ASSERT_NE(window, nullptr);
    PickWithKeyboard(window, IDC_Combo1, kHomeTeam);
    PickWithKeyboard(window, IDC_Combo2, kAwayTeam);
    PickWithKeyboard(window, IDC_Combo5, kStadium);
    ClickCheckBox(window, IDC_Check10);
    ClickCheckBox(window, IDC_OT_2);
    EXPECT_EQ(CheckState(window, IDC_OT_0), BST_UNCHECKED);
    const HWND cheat = ::GetDlgItem(window, IDC_TX1);
    test::ClickOn(cheat);
    ASSERT_TRUE(test::WaitUntil([&] { return ::GetFocus() == cheat || test::WindowText(cheat).empty(); }));
    test::TypeText(kCheat);
    EXPECT_TRUE(test::WaitUntil([&] { return test::WindowText(cheat) == kCheat; }));
    const Picture shot = SettledPicture(window, kBaseDpi);
    ASSERT_FALSE(shot.Empty()) << "the logos never showed";
    EXPECT_EQ(shot.width, kForm1Width);
    SaveScreenshot(shot, "screenshot-100.png");

    test::ClickOn(::GetDlgItem(window, IDC_FBU_2));
    const std::vector<test::GameReport> reports = test::WaitForGameReports(root, 1);
    ASSERT_EQ(reports.size(), 1u);
    const test::GameReport& game = reports.front();
    EXPECT_EQ(game.workingFolder, root);
    for (const char* directive : {" HOME_TEAM=103 ", " AWAY_TEAM=122 ", " STADIUM=9 ", " OPTIONS/BOOKINGS=1 ",
                                  " SIDE_SELECT=-a ", " CUSTOM/E2E=1"})
        EXPECT_NE(game.commandLine.find(directive), std::string::npos) << directive << " in " << game.commandLine;
    ASSERT_TRUE(game.userIni.has_value()) << "the keep box is checked";

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
    ASSERT_TRUE(run->Running()) << "the tool outlives the game";

    // Alt+F4 with the window in front, as the player closes it from the keyboard.
    EXPECT_TRUE(test::BringToFront(window));
    test::PressKeys({VK_MENU, VK_F4});
    EXPECT_EQ(run->WaitForExit(kEndWaitMs), 0u);
    EXPECT_EQ(StoredValue(L"c2"), L"1");
    EXPECT_EQ(StoredValue(L"c10"), L"1");
    EXPECT_EQ(StoredValue(L"YC"), kCheat);
    std::string kept;
    ASSERT_TRUE(test::ReadFile(root + "\\user.ini", kept)) << "a checked keep box keeps user.ini";
    EXPECT_EQ(kept, *game.userIni);
    EXPECT_EQ(IniValue(root + "\\user.ini", L"OPTIONS", L"BOOKINGS"), L"1");
    EXPECT_EQ(IniValue(root + "\\user.ini", L"CUSTOM", L"E2E"), L"1") << "the cheat text goes in as well";
    for (const char* name : {"common.ini", "locale.ini", "sku.ini", "situation.ini"}) {
        EXPECT_FALSE(test::FileExists(root + "\\" + name)) << name << " was moved aside";
        EXPECT_TRUE(test::FileExists(root + "\\bak_" + name)) << name;
    }

    // At 200 % the same choices come back, and every length of the window doubles.
    scale.emplace(kDoubleDpi);
    window = Start();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(Selected(window, IDC_Combo1), IndexOf(window, IDC_Combo1, kHomeTeam));
    EXPECT_EQ(Selected(window, IDC_Combo2), IndexOf(window, IDC_Combo2, kAwayTeam));
    EXPECT_EQ(Selected(window, IDC_Combo5), IndexOf(window, IDC_Combo5, kStadium));
    for (int id : {IDC_Check2, IDC_Check10})
        EXPECT_EQ(CheckState(window, id), BST_CHECKED) << id;
    EXPECT_EQ(test::WindowText(::GetDlgItem(window, IDC_TX1)), kCheat);
    const Picture big = SettledPicture(window, kDoubleDpi);
    ASSERT_FALSE(big.Empty()) << "the logos never showed";
    EXPECT_EQ(big.width, 2 * kForm1Width);
    EXPECT_EQ(big.height, 2 * kForm1Height);
    SaveScreenshot(big, "screenshot-200.png");
    test::ClickOn(::GetDlgItem(window, IDC_FBU_0));
    EXPECT_EQ(run->WaitForExit(kEndWaitMs), 0u) << "the close button ends the tool";
}

}  // namespace
}  // namespace pp
