// End to end: PitchPilot.exe in a copy of the demo game folder (bin\..\demo-game), run by a
// player's mouse and keyboard. What counts is what the stand-in game was given and what the
// registry and the game folder hold afterwards.
//
// The tool keeps its state under HKCU\Software\KWTR\09PP, which this test clears: it runs only in
// the Wine prefix of the build folder, which the test run made, never on Windows or in a player's
// prefix. It saves the window as the screen shows it at 100 and 200 % to the build folder's
// screenshots\, and to PP_SCREENSHOT_DIR when that names a folder (a Windows path, or a Unix path
// under Wine's Z: drive), so that normal runs do not rewrite the committed pictures.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <utility>

#include "app/dpi.h"
#include "app/form1_layout.h"
#include "app/main_window_win32.h"
#include "config/picture_loader_win32.h"
#include "model/control_ids.h"
#include "state/registry_settings_store_win32.h"
#include "state/saved_state.h"
#include "tests/wine/support/desktop.h"
#include "tests/wine/support/files.h"
#include "tests/wine/support/processes.h"
#include "win32/handles.h"
#include "win32/text.h"

namespace pp {
namespace {

constexpr char kSection[] = "09PP";
constexpr uint32_t kEmptyLogo = 0xFF081E12;  // what a logo box shows before its first logo
constexpr POINT kFreeSpot = {665, 522};      // a spot of the pitch at 96 dpi, clear of every control

// The demo's clubs and ground that the player picks, and a cheat.
const std::pair<int, std::wstring> kPicks[] = {{IDC_Combo1, L"Kestrel Bay United"},
                                               {IDC_Combo2, L"R\u00E9al Sombreval"},
                                               {IDC_Combo5, L"Lantern Dome"}};
const std::wstring kCheat = L"CUSTOM/E2E=1";

// Empty when this runs under Wine with its prefix inside the build folder; otherwise why not.
std::string WhyNotHere() {
    if (!::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "wine_get_version"))
        return "this is not Wine, and the test would change the saved settings of this computer's player";
    // Wine shows the Unix root as Z:, so Z:\<build>\bin is this program's folder.
    const std::string bin = test::ProgramFolder();
    std::string build = bin.substr(2, bin.find_last_of('\\') - 1);
    std::replace(build.begin(), build.end(), '\\', '/');
    const char* prefix = std::getenv("WINEPREFIX");
    if (bin.rfind("Z:\\", 0) != 0 || !prefix || std::string(prefix).rfind(build, 0) != 0)
        return "WINEPREFIX is not inside the build folder " + build + "; run the test through ctest";
    return {};
}

// Programs started from now on find this resolution, as Wine reads it when a program starts.
void SetDisplayDpi(DWORD dpi) {
    ::RegSetKeyValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels", REG_DWORD, &dpi, sizeof(dpi));
}

LRESULT Ask(HWND window, int id, UINT message, const wchar_t* text = nullptr) {
    return ::SendDlgItemMessageW(window, id, message, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text));
}

// The control with the keyboard focus in the window's thread, which is another program's.
HWND FocusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    ::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
}

// Opens the drop-down with a click and picks the item with the arrow keys and Enter. (A selection
// set by message from outside races with the window, which shows the model again at every tick of
// a running logo fade.)
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

// The client area as the screen shows it; the window must be in front.
Picture Capture(HWND window) {
    RECT client{};
    POINT origin{0, 0};
    ::GetClientRect(window, &client);
    ::ClientToScreen(window, &origin);
    Picture picture(client.right, client.bottom);
    win32::WindowDc screen(nullptr);
    win32::MemoryDc memory(screen.Get());
    win32::UniqueBitmap bitmap(::CreateCompatibleBitmap(screen.Get(), picture.width, picture.height));
    {
        win32::SelectedObject select(memory.Get(), bitmap.Get());
        ::BitBlt(memory.Get(), 0, 0, picture.width, picture.height, screen.Get(), origin.x, origin.y, SRCCOPY);
    }
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), picture.width, -picture.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    if (!::GetDIBits(memory.Get(), bitmap.Get(), 0, picture.height, picture.pixels.data(), &info, DIB_RGB_COLORS))
        return {};
    for (uint32_t& pixel : picture.pixels)
        pixel |= 0xFF000000u;
    return picture;
}

// The window once both logos have come and nothing moves any more, with the pointer resting on
// the pitch so that no button is lit; empty when it never settled.
Picture SettledPicture(HWND window, int dpi) {
    test::PointAt(window, {ScaleToDpi(kFreeSpot.x, dpi), ScaleToDpi(kFreeSpot.y, dpi)}, false);
    Picture last, now;
    const bool settled = test::WaitUntil([&] {
        test::BringToFront(window);
        last = std::exchange(now, Capture(window));
        const auto logoShown = [&](int id) {
            const PixelRect r = ScaleToDpi(FindPlace(id)->rect, dpi);
            return now.At((r.left + r.right) / 2, (r.top + r.bottom) / 2) != kEmptyLogo;
        };
        return !now.Empty() && now.pixels == last.pixels && logoShown(IDC_P_SHOW) && logoShown(IDC_P_SHOW2);
    });
    return settled ? now : Picture();
}

void SaveScreenshot(const Picture& picture, const std::string& name) {
    std::vector<std::string> folders = {test::ProgramFolder() + "\\..\\screenshots"};
    if (const char* wanted = std::getenv("PP_SCREENSHOT_DIR"); wanted && *wanted) {
        folders.push_back(wanted[0] == '/' ? std::string("Z:") + wanted : wanted);
        std::replace(folders.back().begin(), folders.back().end(), '/', '\\');
    }
    for (const std::string& folder : folders) {
        test::MakeFolders(folder);
        EXPECT_TRUE(test::WritePicture(folder + "\\" + name, picture, test::PictureFormat::Png)) << folder;
    }
}

class DemoGameRun : public testing::Test {
  protected:
    // The test measures the tool's window in real pixels at every scale.
    static void SetUpTestSuite() { ::SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2); }

    void SetUp() override {
        const std::string refusal = WhyNotHere();
        ASSERT_EQ(refusal, "") << "refusing to run";
        inTestPrefix = true;
        ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\KWTR\\09PP");
        SetDisplayDpi(kBaseDpi);
        ASSERT_TRUE(test::CopyFolder(test::ProgramFolder() + "\\..\\demo-game", root)) << "the build lays it out";
    }
    void TearDown() override {
        if (inTestPrefix)
            SetDisplayDpi(kBaseDpi);
    }

    // Started from a working folder outside the game, as from a desktop shortcut, with its window
    // in front once it takes input.
    HWND Start() {
        run = std::make_unique<test::ChildProcess>(root + "\\KWTR\\PP09\\PitchPilot.exe", test::ProgramFolder());
        const HWND window = test::WaitForTopWindow(run->Id(), win32::kForm1ClassName);
        EXPECT_TRUE(window && test::BringToFront(window)) << "the main window did not come";
        return window;
    }

    bool inTestPrefix = false;
    win32::GdiplusPictureLoader gdiplus;  // keeps GDI+ running for the screenshots
    win32::RegistrySettingsStore settings;
    test::TempFolder folder;
    const std::string root = folder / "FIFA 09 Demo";
    std::unique_ptr<test::ChildProcess> run;
};

// A player who keeps user.ini sets up a match, starts the game, ends it with F12 and closes the
// tool; the game got every choice, and the next start, at 200 %, shows them again.
TEST_F(DemoGameRun, ChoicesReachTheGameAndComeBackAtTheNextStart) {
    ASSERT_TRUE(settings.Save(kSettingsApplication, kSection, "c2", "1"));
    HWND window = Start();
    ASSERT_NE(window, nullptr);
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
    const Picture shot = SettledPicture(window, kBaseDpi);
    EXPECT_EQ(shot.width, kForm1Width) << "the logos never showed";
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
    for (const char* entry : {"\nBOOKINGS=1\r\n", "[CUSTOM]\r\nE2E=1\r\n"})
        EXPECT_NE(game.userIni->find(entry), std::string::npos) << entry;
    {
        // F12, held as a player holds it, ends the game at the tool's next look at the key.
        test::HeldKey f12(VK_F12);
        EXPECT_EQ(game.game->WaitForExit(test::kLongWaitMs), 0u) << "F12 ended the game with exit code 0";
    }
    EXPECT_FALSE(run->WaitForExit(0)) << "the tool outlives the game";

    test::ClickOn(::GetDlgItem(window, IDC_FBU_0));
    EXPECT_EQ(run->WaitForExit(test::kLongWaitMs), 0u) << "the close button ends the tool";
    EXPECT_EQ(settings.Get(kSettingsApplication, kSection, "c10"), "1");
    EXPECT_EQ(settings.Get(kSettingsApplication, kSection, "YC"), win32::Narrow(kCheat));
    EXPECT_EQ(test::ReadFile(root + "\\user.ini"), game.userIni) << "a checked keep box keeps user.ini";
    for (const std::string name : {"common.ini", "locale.ini", "sku.ini", "situation.ini"}) {
        EXPECT_FALSE(test::ReadFile(root + "\\" + name)) << name << " was moved aside";
        EXPECT_TRUE(test::ReadFile(root + "\\bak_" + name)) << name;
    }

    // At 200 % the same choices come back, and every length of the window doubles.
    SetDisplayDpi(2 * kBaseDpi);
    window = Start();
    ASSERT_NE(window, nullptr);
    for (const auto& [id, item] : kPicks)
        EXPECT_EQ(Ask(window, id, CB_GETCURSEL), Ask(window, id, CB_FINDSTRINGEXACT, item.c_str())) << id;
    EXPECT_EQ(Ask(window, IDC_Check10, BM_GETCHECK), BST_CHECKED);
    EXPECT_EQ(test::WindowText(::GetDlgItem(window, IDC_TX1)), kCheat);
    const Picture big = SettledPicture(window, 2 * kBaseDpi);
    EXPECT_TRUE(big.width == 2 * kForm1Width && big.height == 2 * kForm1Height) << "the logos never showed";
    SaveScreenshot(big, "screenshot-200.png");
    test::ClickOn(::GetDlgItem(window, IDC_FBU_0));
    EXPECT_EQ(run->WaitForExit(test::kLongWaitMs), 0u);
}

}  // namespace
}  // namespace pp
