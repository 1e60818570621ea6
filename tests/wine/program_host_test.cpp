// The program host against the system: the program's own folder, the single-instance lock and the
// stop message.

#include <gtest/gtest.h>

#include <windows.h>

#include <future>
#include <memory>
#include <string>

#include "app/program_host_win32.h"
#include "tests/wine/support/program_windows.h"
#include "tests/wine/support/temp_folder.h"
#include "win32/text.h"

namespace pp {
namespace {

// A lock name of each test's own, so no run of the tool and no other test shares it.
std::wstring TestLockName(const wchar_t* test) {
    return L"Local\\PitchPilot.Tests." + std::to_wstring(::GetCurrentProcessId()) + L"." + test;
}

TEST(ProgramHost, ItsFolderIsTheFolderOfTheRunningProgram) {
    win32::WindowsProgramHost host(TestLockName(L"folder"));
    const std::string folder = host.ProgramFolder();
    EXPECT_EQ(folder, test::ProgramFolder());
    ASSERT_FALSE(folder.empty());
    EXPECT_NE(folder.back(), '\\');
}

TEST(ProgramHost, TheLockTellsASecondCopyUntilTheFirstEnds) {
    const std::wstring name = TestLockName(L"lock");
    auto first = std::make_unique<win32::WindowsProgramHost>(name);
    EXPECT_FALSE(first->AnotherCopyRunning());
    EXPECT_FALSE(first->AnotherCopyRunning()) << "the copy that holds the lock is no other copy";

    win32::WindowsProgramHost second(name);
    EXPECT_TRUE(second.AnotherCopyRunning());
    EXPECT_TRUE(second.AnotherCopyRunning());
    win32::WindowsProgramHost other(TestLockName(L"another lock"));
    EXPECT_FALSE(other.AnotherCopyRunning()) << "locks of other names are no copies";

    first.reset();
    win32::WindowsProgramHost third(name);
    EXPECT_FALSE(third.AnotherCopyRunning()) << "the lock goes with the copy that held it";
}

// The message shows until the user presses its one button, whose caption Windows gives.
TEST(ProgramHost, TheStopMessageWaitsForItsOkButton) {
    const std::wstring title = L"09 Demo Pitch Pilot \u00E9 " + std::to_wstring(::GetCurrentProcessId());
    win32::WindowsProgramHost host(TestLockName(L"message"));
    auto shown = std::async(std::launch::async,
                            [&] { host.ShowStopMessage("Missing files ! \xE6\x97\xA5", win32::Narrow(title)); });
    const HWND box = test::WaitForTopWindow(::GetCurrentProcessId(), L"#32770", title);
    ASSERT_NE(box, nullptr) << "no message box";
    EXPECT_EQ(test::MessageBoxText(box), L"Missing files ! \u65E5");
    EXPECT_EQ(test::ButtonCaptions(box), std::vector<std::wstring>{L"OK"});
    EXPECT_EQ(shown.wait_for(std::chrono::milliseconds(200)), std::future_status::timeout);
    test::PressOk(box);
    EXPECT_EQ(shown.wait_for(std::chrono::seconds(30)), std::future_status::ready);
}

}  // namespace
}  // namespace pp
