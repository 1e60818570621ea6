// A window of another thread stands for another program that holds the clipboard open.

#include <gtest/gtest.h>

#include <future>
#include <memory>

#include "win32/clipboard.h"

namespace pp {
namespace {

HWND MessageWindow() {
    return ::CreateWindowExW(0, L"STATIC", nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
}

// Held from the moment this returns; the future waits for the hold to end.
std::future<void> HoldClipboard(DWORD milliseconds) {
    auto opened = std::make_shared<std::promise<bool>>();
    std::future<void> hold = std::async(std::launch::async, [opened, milliseconds] {
        const HWND window = MessageWindow();
        const bool open = ::OpenClipboard(window);
        opened->set_value(open);
        ::Sleep(milliseconds);
        if (open)
            ::CloseClipboard();
        ::DestroyWindow(window);
    });
    EXPECT_TRUE(opened->get_future().get()) << "the other window could not open the clipboard";
    return hold;
}

TEST(Clipboard, WaitsOutAMomentsHoldOfAnotherProgramAndTellsWhenItWaitedInVain) {
    const HWND tool = MessageWindow();
    const std::wstring text = L"\u00C9quipe  A=1\r\n\u65E5";
    auto whileHeld = [](DWORD milliseconds, auto use) {
        const auto other = HoldClipboard(milliseconds);
        return use();
    };
    EXPECT_TRUE(whileHeld(100, [&] { return win32::WriteClipboardText(tool, text); }));
    EXPECT_EQ(whileHeld(100, [&] { return win32::ReadClipboardText(tool); }), text);
    EXPECT_FALSE(whileHeld(2000, [&] { return win32::WriteClipboardText(tool, L"lost"); }));
    EXPECT_EQ(win32::ReadClipboardText(tool), text);
    ::DestroyWindow(tool);
}

}  // namespace
}  // namespace pp
