// Its messages; its folder and single-instance lock are proved by the end-to-end run.

#include <gtest/gtest.h>

#include <future>
#include <memory>

#include "app/program_host_win32.h"
#include "tests/wine/support/harness.h"
#include "win32/text.h"

namespace pp {
namespace {

std::wstring TestLockName(const wchar_t* test) {
    return L"Local\\PitchPilot.Tests." + std::to_wstring(::GetCurrentProcessId()) + L"." + test;
}

TEST(ProgramHost, TheStopMessageWaitsForItsOkButton) {
    const std::wstring title = L"Pitch Pilot \u00E9 " + std::to_wstring(::GetCurrentProcessId());
    win32::WindowsProgramHost host(TestLockName(L"message"));
    auto shown = std::async(std::launch::async,
                            [&] { host.ShowStopMessage("Missing files ! \xE6\x97\xA5", win32::Narrow(title)); });
    const HWND box = test::WaitForTopWindow(::GetCurrentProcessId(), L"#32770", title);
    ASSERT_NE(box, nullptr) << "no message box";
    // The system's message box shows its text in the static control 0xFFFF.
    EXPECT_EQ(test::WindowText(::GetDlgItem(box, 0xFFFF)), L"Missing files ! \u65E5");
    EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(box, IDCANCEL)));
    EXPECT_EQ(shown.wait_for(std::chrono::milliseconds(200)), std::future_status::timeout);
    ::PostMessageW(box, WM_COMMAND, IDOK, reinterpret_cast<LPARAM>(::GetDlgItem(box, IDOK)));
    EXPECT_EQ(shown.wait_for(std::chrono::seconds(30)), std::future_status::ready);
}

// The second is the default. (Wine 8's task dialog ignores Escape, which Windows takes for neither.)
TEST(ProgramHost, AQuestionHasTheTwoButtonsItNames) {
    win32::WindowsProgramHost host(TestLockName(L"question"));
    for (const WORD key : {WORD{0}, WORD{VK_RETURN}}) {
        auto answer = std::async(std::launch::async, [&] { return host.Ask("Allow?", "Allow \xC3\xA9", "Not now"); });
        const HWND box = test::WaitForTopWindow(::GetCurrentProcessId(), L"#32770", L"09 Demo Pitch Pilot");
        ASSERT_NE(box, nullptr) << "no question";
        EXPECT_EQ(test::WindowText(::GetDlgItem(box, IDYES)), L"Allow \u00E9");
        EXPECT_EQ(test::WindowText(::GetDlgItem(box, IDNO)), L"Not now");
        ASSERT_TRUE(test::BringToFront(box));
        if (key)
            test::PressKey(key);
        else
            test::ClickOn(::GetDlgItem(box, IDYES));
        const bool answered = answer.wait_for(std::chrono::seconds(30)) == std::future_status::ready;
        if (!answered)
            ::PostMessageW(box, WM_COMMAND, IDNO, 0);
        ASSERT_TRUE(answered) << key;
        EXPECT_EQ(answer.get(), key == 0) << key;
    }
}

}  // namespace
}  // namespace pp
