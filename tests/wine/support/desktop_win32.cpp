#include "tests/wine/support/desktop.h"

#include <vector>

namespace pp::test {
namespace {

constexpr DWORD kPollMs = 20;

INPUT KeyInput(WORD key, WORD character, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = character;
    input.ki.dwFlags = flags;
    return input;
}

void Send(std::vector<INPUT> inputs) {
    ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

}  // namespace

bool WaitUntil(const std::function<bool()>& done, uint32_t milliseconds) {
    const ULONGLONG deadline = ::GetTickCount64() + milliseconds;
    while (!done()) {
        if (::GetTickCount64() >= deadline)
            return false;
        ::Sleep(kPollMs);
    }
    return true;
}

HWND WaitForTopWindow(uint32_t processId, const std::wstring& className, const std::wstring& title) {
    HWND found = nullptr;
    WaitUntil([&] {
        while ((found = ::FindWindowExW(nullptr, found, className.c_str(), title.empty() ? nullptr : title.c_str()))) {
            DWORD owner = 0;
            ::GetWindowThreadProcessId(found, &owner);
            if (owner == processId && ::IsWindowVisible(found))
                return true;
        }
        return false;
    });
    // Shown is not yet ready: input given while the window still draws itself can go astray under
    // Wine. Its thread answers once it takes messages again.
    ::SendMessageTimeoutW(found, WM_NULL, 0, 0, SMTO_NORMAL, kLongWaitMs, nullptr);
    return found;
}

std::wstring WindowText(HWND window) {
    wchar_t text[1024] = {};
    ::SendMessageW(window, WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text));
    return text;
}

bool BringToFront(HWND window) {
    ::ShowWindow(window, SW_RESTORE);
    ::SetForegroundWindow(window);
    ::BringWindowToTop(window);
    return WaitUntil([&] { return ::GetForegroundWindow() == window; });
}

// Absolute pointer positions go to the system in 65536ths of the screen.
void PointAt(HWND window, POINT client, bool click) {
    ::ClientToScreen(window, &client);
    INPUT move{};
    move.type = INPUT_MOUSE;
    move.mi.dx = MulDiv(client.x, 65536, ::GetSystemMetrics(SM_CXSCREEN));
    move.mi.dy = MulDiv(client.y, 65536, ::GetSystemMetrics(SM_CYSCREEN));
    move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    INPUT down = move, up = move;
    down.mi.dwFlags = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE;
    up.mi.dwFlags = MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE;
    Send(click ? std::vector<INPUT>{move, down, up} : std::vector<INPUT>{move});
}

void ClickOn(HWND control) {
    RECT r{};
    ::GetClientRect(control, &r);
    PointAt(control, {r.right / 2, r.bottom / 2}, true);
}

void PressKey(WORD key) {
    Send({KeyInput(key, 0, 0), KeyInput(key, 0, KEYEVENTF_KEYUP)});
}

void TypeText(const std::wstring& text) {
    std::vector<INPUT> inputs;
    for (wchar_t c : text) {
        inputs.push_back(KeyInput(0, c, KEYEVENTF_UNICODE));
        inputs.push_back(KeyInput(0, c, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP));
    }
    Send(std::move(inputs));
}

HeldKey::HeldKey(WORD key) : key_(key) {
    Send({KeyInput(key_, 0, 0)});
}

HeldKey::~HeldKey() {
    Send({KeyInput(key_, 0, KEYEVENTF_KEYUP)});
}

}  // namespace pp::test
