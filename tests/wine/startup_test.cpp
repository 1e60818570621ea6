#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/form1_layout.h"
#include "app/main_window_win32.h"
#include "model/control_ids.h"
#include "tests/wine/support/child_process.h"
#include "tests/wine/support/game_folder.h"
#include "tests/wine/support/program_windows.h"
#include "tests/wine/support/user_input.h"

namespace pp {
namespace {

// Long enough for a loaded machine; only a program that never ends waits this long.
constexpr uint32_t kEndWaitMs = 30000;
constexpr uint32_t kExitCodeOfFatalStop = 1;
const std::wstring kMessageTitle = L"09 Demo Pitch Pilot";
const std::wstring kDialogClass = L"#32770";

// File order differs from sorted order; two names differ only in case; 0xC9 is "É" in the
// western ANSI code page.
const std::string kTeams =
    "Zeta Rovers,101\r\nalpha Athletic,102\r\n\xC9toile Rouge,103\r\nAlpha Athletic,104\r\nbravo Town,105\r\n"
    "Echo City,106\r\n";
// A record without a comma shows its whole line.
const std::string kStadiums = "Riverside Park,1\r\nashgrove Lane,2\r\nOld Quarry\r\nMoor Road,3\r\n";

// Real runs of PitchPilot.exe, installed in a game folder of the test's own, under its real
// single-instance name: the Wine prefix belongs to the build, so no other copy shares it.
class PitchPilotRun : public testing::Test {
  protected:
    void SetUp() override { ASSERT_FALSE(game.Tool().empty()) << "PitchPilot.exe was not copied into the game"; }

    // Started from a working folder outside the game, so the game root can only come from the
    // tool's own location.
    std::unique_ptr<test::ChildProcess> Start() {
        return std::make_unique<test::ChildProcess>(game.Tool(), "", test::ProgramFolder());
    }
    static HWND MainWindowOf(const test::ChildProcess& tool) {
        return test::WaitForTopWindow(tool.Id(), win32::kForm1ClassName);
    }
    static HWND StopMessageOf(const test::ChildProcess& tool) {
        return test::WaitForTopWindow(tool.Id(), kDialogClass, kMessageTitle);
    }
    // Closes the window as the system does and returns the exit code.
    static std::optional<uint32_t> Close(test::ChildProcess& tool, HWND window) {
        ::PostMessageW(window, WM_CLOSE, 0, 0);
        return tool.WaitForExit(kEndWaitMs);
    }

    test::FreshToolSettings settings;
    test::GameFolder game{kTeams, kStadiums};
};

TEST_F(PitchPilotRun, TheMainWindowShowsEveryShownControlAtItsSize) {
    auto tool = Start();
    const HWND window = MainWindowOf(*tool);
    ASSERT_NE(window, nullptr);

    EXPECT_EQ(test::WindowText(window), L"09 Demo Pitch Pilot ..:: Tallowfen ::..");
    const LONG style = ::GetWindowLongW(window, GWL_STYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_FALSE(style & WS_CAPTION) << "the window draws its own frame";
    RECT client{}, outer{};
    ::GetClientRect(window, &client);
    ::GetWindowRect(window, &outer);
    const int dpi = static_cast<int>(::GetDpiForWindow(window));
    EXPECT_EQ(client.right, ScaleToDpi(kForm1Width, dpi));
    EXPECT_EQ(client.bottom, ScaleToDpi(kForm1Height, dpi));
    EXPECT_EQ(outer.right - outer.left, client.right) << "no frame around the client area";

    for (const ControlPlace& place : Form1Layout()) {
        SCOPED_TRACE(place.id);
        const HWND control = ::GetDlgItem(window, place.id);
        ASSERT_NE(control, nullptr);
        EXPECT_TRUE(::IsWindowVisible(control));
        RECT r{};
        ::GetWindowRect(control, &r);
        ::MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
        const PixelRect want = ScaleToDpi(place.rect, dpi);
        EXPECT_EQ(r.left, want.left);
        EXPECT_EQ(r.top, want.top);
        EXPECT_EQ(r.right, want.right);
        if (place.kind != ViewKind::ComboBox) {  // a combo box's height is its font's
            EXPECT_EQ(r.bottom, want.bottom);
        }
    }
    EXPECT_EQ(test::WindowText(::GetDlgItem(window, IDC_Label2_2)), L".:: Press F12 to exit while playing ::.");
    EXPECT_EQ(test::WindowText(::GetDlgItem(window, IDC_Check20)), L"Use One Language");
    EXPECT_EQ(test::WindowText(::GetDlgItem(window, IDC_FLB_4)), L"Tallowfen");
    EXPECT_EQ(Close(*tool, window), 0u);
}

TEST_F(PitchPilotRun, TheTeamAndStadiumListsAreSortedIgnoringCase) {
    if (::GetACP() != 1252)
        GTEST_SKIP() << "the system code page is not 1252, so 0xC9 is no É";
    auto tool = Start();
    const HWND window = MainWindowOf(*tool);
    ASSERT_NE(window, nullptr);

    for (int id : {IDC_Combo1, IDC_Combo2}) {
        SCOPED_TRACE(id);
        const std::vector<std::wstring> teams = test::ComboItems(::GetDlgItem(window, id));
        ASSERT_EQ(teams.size(), 6u);
        // Names equal but for case are neighbours, in an order of the tool's choosing.
        EXPECT_EQ((std::set<std::wstring>{teams[0], teams[1]}),
                  (std::set<std::wstring>{L"Alpha Athletic", L"alpha Athletic"}));
        EXPECT_EQ(std::vector<std::wstring>(teams.begin() + 2, teams.end()),
                  (std::vector<std::wstring>{L"bravo Town", L"Echo City", L"\u00C9toile Rouge", L"Zeta Rovers"}));
    }
    EXPECT_EQ(test::ComboItems(::GetDlgItem(window, IDC_Combo5)),
              (std::vector<std::wstring>{L"ashgrove Lane", L"Moor Road", L"Old Quarry", L"Riverside Park"}));
    EXPECT_EQ(Close(*tool, window), 0u);
}

// A list longer than a box shows at once waits until the box is first used: the closed box shows
// the selection alone, and the whole list, with the same selection, is there when it opens.
TEST_F(PitchPilotRun, ALongListIsInItsBoxWhenTheBoxIsFirstUsed) {
    constexpr int kLong = 3000;
    std::string teams, stadiums;
    for (int i = kLong; i > 0; --i) {
        teams += "Team " + std::to_string(100000 + i) + "," + std::to_string(i) + "\r\n";
        stadiums += "Ground " + std::to_string(100000 + i) + "," + std::to_string(i) + "\r\n";
    }
    game.Write("KWTR\\teams.ini", teams);
    game.Write("KWTR\\stads.ini", stadiums);
    auto tool = Start();
    const HWND window = MainWindowOf(*tool);
    ASSERT_NE(window, nullptr);
    const HWND home = ::GetDlgItem(window, IDC_Combo1), stadium = ::GetDlgItem(window, IDC_Combo5);
    ASSERT_LE(::SendMessageW(home, CB_GETCOUNT, 0, 0), 1);
    ASSERT_LE(::SendMessageW(stadium, CB_GETCOUNT, 0, 0), 1);
    const std::wstring homeShown = test::WindowText(home), stadiumShown = test::WindowText(stadium);

    // Opened by a message, as an accessibility tool would.
    ::SendMessageW(stadium, CB_SHOWDROPDOWN, TRUE, 0);
    const std::vector<std::wstring> grounds = test::ComboItems(stadium);
    ASSERT_EQ(grounds.size(), static_cast<size_t>(kLong));
    EXPECT_EQ(grounds.front(), L"Ground 100001");
    EXPECT_EQ(grounds.back(), L"Ground 103000");
    EXPECT_EQ(test::WindowText(stadium), stadiumShown);
    ::SendMessageW(stadium, CB_SHOWDROPDOWN, FALSE, 0);

    // Clicked and then moved through with the keyboard, as a player would.
    ASSERT_TRUE(test::BringToFront(window));
    test::ClickOn(home);
    ASSERT_TRUE(test::WaitUntil([&] { return ::SendMessageW(home, CB_GETCOUNT, 0, 0) == kLong; }));
    const int picked = static_cast<int>(::SendMessageW(home, CB_GETCURSEL, 0, 0));
    EXPECT_EQ(test::WindowText(home), homeShown);
    test::PressKeys({VK_ESCAPE});
    test::PressKeys({VK_DOWN});
    const std::wstring next = L"Team " + std::to_wstring(100000 + picked + 2);
    EXPECT_TRUE(test::WaitUntil([&] { return test::WindowText(home) == next; }, 10000)) << test::WindowText(home);
    EXPECT_EQ(::SendMessageW(home, CB_GETCOUNT, 0, 0), kLong);

    // Turned with the wheel while another box has the focus.
    const HWND away = ::GetDlgItem(window, IDC_Combo2);
    ASSERT_LE(::SendMessageW(away, CB_GETCOUNT, 0, 0), 1);
    const std::wstring awayShown = test::WindowText(away);
    ::SendMessageW(away, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
    EXPECT_EQ(::SendMessageW(away, CB_GETCOUNT, 0, 0), kLong);
    const int turned = static_cast<int>(::SendMessageW(away, CB_GETCURSEL, 0, 0));
    EXPECT_EQ(test::WindowText(away), L"Team " + std::to_wstring(100000 + turned + 1));
    EXPECT_NE(test::WindowText(away), awayShown);
    EXPECT_EQ(Close(*tool, window), 0u);
}

TEST_F(PitchPilotRun, TheConfigurationFilesAreMovedAsideOnceWithTheirContents) {
    {
        auto tool = Start();
        const HWND window = MainWindowOf(*tool);
        ASSERT_NE(window, nullptr);
        for (const char* name : test::GameFolder::kConfigurationFiles) {
            SCOPED_TRACE(name);
            EXPECT_FALSE(game.Exists(name));
            EXPECT_EQ(game.Read(std::string("bak_") + name), test::GameFolder::ConfigurationContents(name));
        }
        EXPECT_EQ(Close(*tool, window), 0u);
    }
    // A second start finds nothing to move and leaves the copies as they are.
    const auto before = game.Files();
    auto tool = Start();
    const HWND window = MainWindowOf(*tool);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(game.Files(), before);
    EXPECT_EQ(Close(*tool, window), 0u);
    EXPECT_EQ(game.Files(), before);
}

// A copy that cannot be written must not cost the user the file it copies.
TEST_F(PitchPilotRun, AConfigurationFileStaysWhenItsCopyFails) {
    test::MakeFolders(game / "bak_sku.ini");  // no file can be written under this name
    auto tool = Start();
    const HWND window = MainWindowOf(*tool);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(game.Read("sku.ini"), test::GameFolder::ConfigurationContents("sku.ini"));
    EXPECT_FALSE(game.Exists("common.ini")) << "the other files are still moved";
    EXPECT_EQ(game.Read("bak_common.ini"), test::GameFolder::ConfigurationContents("common.ini"));
    EXPECT_EQ(Close(*tool, window), 0u);
}

TEST_F(PitchPilotRun, ASecondCopySaysAlreadyRunningAndTouchesNothing) {
    auto first = Start();
    const HWND window = MainWindowOf(*first);
    ASSERT_NE(window, nullptr);
    // Files the second copy would move if it went on.
    for (const char* name : test::GameFolder::kConfigurationFiles)
        game.Write(name, "put back\r\n");
    const auto before = game.Files();

    auto second = Start();
    const HWND box = StopMessageOf(*second);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(test::MessageBoxText(box), L"Already running !");
    EXPECT_EQ(test::ButtonCaptions(box), std::vector<std::wstring>{L"OK"});
    EXPECT_TRUE(test::TopWindowsOf(second->Id(), win32::kForm1ClassName).empty());
    test::PressOk(box);
    EXPECT_EQ(second->WaitForExit(kEndWaitMs), kExitCodeOfFatalStop);
    EXPECT_EQ(game.Files(), before);

    EXPECT_TRUE(first->Running()) << "the running copy is not affected";
    EXPECT_EQ(Close(*first, window), 0u);
}

TEST_F(PitchPilotRun, AMissingGameFileStopsOnceBeforeAnythingIsMoved) {
    ASSERT_TRUE(game.Remove("data\\fifa.fat"));
    const auto before = game.Files();

    auto tool = Start();
    const HWND box = StopMessageOf(*tool);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(test::MessageBoxText(box), L"Missing files ! Please re-install !");
    EXPECT_EQ(test::ButtonCaptions(box), std::vector<std::wstring>{L"OK"});
    EXPECT_TRUE(test::TopWindowsOf(tool->Id(), win32::kForm1ClassName).empty()) << "no window before the check";
    test::PressOk(box);
    // A second message would hold the program open.
    EXPECT_EQ(tool->WaitForExit(kEndWaitMs), kExitCodeOfFatalStop);
    EXPECT_EQ(game.Files(), before) << "the configuration files are where they were and no copy was made";
}

TEST_F(PitchPilotRun, EveryWayOfClosingEndsTheProgramWithExitCodeZero) {
    struct Way {
        const char* name;
        void (*close)(HWND window);
    };
    const Way ways[] = {
        {"WM_CLOSE", [](HWND w) { ::PostMessageW(w, WM_CLOSE, 0, 0); }},
        {"the close button", [](HWND w) { ::PostMessageW(::GetDlgItem(w, IDC_FBU_0), BM_CLICK, 0, 0); }},
        {"the end of the session", [](HWND w) { ::PostMessageW(w, WM_ENDSESSION, TRUE, 0); }},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        auto tool = Start();
        const HWND window = MainWindowOf(*tool);
        ASSERT_NE(window, nullptr);
        way.close(window);
        EXPECT_EQ(tool->WaitForExit(kEndWaitMs), 0u);
    }
}

TEST_F(PitchPilotRun, ClicksOnTheControlsReachTheModel) {
    auto tool = Start();
    const HWND window = MainWindowOf(*tool);
    ASSERT_NE(window, nullptr);

    // A check box shows what the model holds after the click, not what the control would do.
    const HWND booking = ::GetDlgItem(window, IDC_Check10);
    ASSERT_EQ(::SendMessageW(booking, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    ::SendMessageW(booking, BM_CLICK, 0, 0);
    EXPECT_EQ(::SendMessageW(booking, BM_GETCHECK, 0, 0), BST_CHECKED);
    ::SendMessageW(booking, BM_CLICK, 0, 0);
    EXPECT_EQ(::SendMessageW(booking, BM_GETCHECK, 0, 0), BST_UNCHECKED);

    // The keep box is disabled: the model refuses the user's click, whatever the control would do.
    const HWND keep = ::GetDlgItem(window, IDC_Check2);
    EXPECT_FALSE(::IsWindowEnabled(keep));
    const LRESULT kept = ::SendMessageW(keep, BM_GETCHECK, 0, 0);
    ::SendMessageW(keep, BM_CLICK, 0, 0);
    EXPECT_EQ(::SendMessageW(keep, BM_GETCHECK, 0, 0), kept);

    // The side buttons: selecting one deselects the others.
    ::SendMessageW(::GetDlgItem(window, IDC_OT_2), BM_CLICK, 0, 0);
    EXPECT_EQ(::SendMessageW(::GetDlgItem(window, IDC_OT_2), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(::SendMessageW(::GetDlgItem(window, IDC_OT_0), BM_GETCHECK, 0, 0), BST_UNCHECKED);

    // The minimise button.
    ::SendMessageW(::GetDlgItem(window, IDC_FBU_99), BM_CLICK, 0, 0);
    EXPECT_TRUE(::IsIconic(window));
    EXPECT_TRUE(tool->Running());
    EXPECT_EQ(Close(*tool, window), 0u);
}

bool PutOnClipboard(const std::wstring& text) {
    if (!::OpenClipboard(nullptr))
        return false;
    ::EmptyClipboard();
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    if (memory) {
        auto* data = static_cast<wchar_t*>(::GlobalLock(memory));
        std::copy(text.c_str(), text.c_str() + text.size() + 1, data);
        ::GlobalUnlock(memory);
        if (!::SetClipboardData(CF_UNICODETEXT, memory))
            ::GlobalFree(memory);
    }
    ::CloseClipboard();
    return memory != nullptr;
}

// The modifier boxes take what their key filter lets through, typed or pasted, and the model
// holds it: a text the model did not take would be put back by the next sync.
TEST_F(PitchPilotRun, TheModifierBoxesTakeOnlyWhatTheKeyFilterLetsThrough) {
    auto tool = Start();
    const HWND window = MainWindowOf(*tool);
    ASSERT_NE(window, nullptr);
    const HWND zoom = ::GetDlgItem(window, IDC_ZMO);
    ASSERT_FALSE(::IsWindowEnabled(zoom)) << "the modifiers wait for Enable";
    ::SendMessageW(::GetDlgItem(window, IDC_Check70), BM_CLICK, 0, 0);
    ASSERT_TRUE(::IsWindowEnabled(zoom));

    ::SendMessageW(zoom, EM_SETSEL, 0, -1);
    EXPECT_EQ(test::WindowText(zoom), L"0.5");
    for (wchar_t key : std::wstring(L"1x.2 5"))
        ::SendMessageW(zoom, WM_CHAR, key, 0);
    EXPECT_EQ(test::WindowText(zoom), L"1.25");

    ASSERT_TRUE(PutOnClipboard(L"7a\r\n8"));
    ::SendMessageW(zoom, WM_PASTE, 0, 0);
    EXPECT_EQ(test::WindowText(zoom), L"1.2578");

    // A click elsewhere makes the window show the model again; the text stays.
    ::SendMessageW(::GetDlgItem(window, IDC_Check10), BM_CLICK, 0, 0);
    EXPECT_EQ(test::WindowText(zoom), L"1.2578");
    EXPECT_EQ(Close(*tool, window), 0u);
}

// The editable resolution box keeps a typed resolution that is not in its list.
TEST_F(PitchPilotRun, TheResolutionBoxKeepsATypedResolution) {
    auto tool = Start();
    const HWND window = MainWindowOf(*tool);
    ASSERT_NE(window, nullptr);
    const HWND resolution = ::GetDlgItem(window, IDC_Combo7);
    const HWND field = ::FindWindowExW(resolution, nullptr, L"Edit", nullptr);
    ASSERT_NE(field, nullptr);

    ::SendMessageW(field, EM_SETSEL, 0, -1);
    for (wchar_t key : std::wstring(L"1920x1080x32"))
        ::SendMessageW(field, WM_CHAR, key, 0);
    EXPECT_EQ(test::WindowText(resolution), L"1920x1080x32");
    EXPECT_EQ(::SendMessageW(resolution, CB_GETCURSEL, 0, 0), CB_ERR) << "a typed text selects no item";

    ::SendMessageW(::GetDlgItem(window, IDC_Check10), BM_CLICK, 0, 0);
    EXPECT_EQ(test::WindowText(resolution), L"1920x1080x32");
    EXPECT_EQ(Close(*tool, window), 0u);
}

}  // namespace
}  // namespace pp
