#include "tests/wine/support/user_input.h"

#include <vector>

namespace pp::test {
namespace {

constexpr DWORD kPollMs = 20;
// Absolute pointer positions go to the system in units of 1/65536 of the screen.
constexpr LONG kAbsoluteUnits = 65536;

INPUT KeyInput(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

void Send(std::vector<INPUT> inputs) {
    ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

LONG ToAbsolute(LONG pixel, int screenSize) {
    return static_cast<LONG>((static_cast<long long>(pixel) * kAbsoluteUnits + screenSize / 2) / screenSize);
}

INPUT PointerMove(POINT screen) {
    INPUT move{};
    move.type = INPUT_MOUSE;
    move.mi.dx = ToAbsolute(screen.x, ::GetSystemMetrics(SM_CXSCREEN));
    move.mi.dy = ToAbsolute(screen.y, ::GetSystemMetrics(SM_CYSCREEN));
    move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    return move;
}

}  // namespace

bool BringToFront(HWND window) {
    ::ShowWindow(window, SW_RESTORE);
    ::SetForegroundWindow(window);
    ::BringWindowToTop(window);
    return WaitUntil([&] { return ::GetForegroundWindow() == window; });
}

void MovePointerTo(HWND window, POINT client) {
    ::ClientToScreen(window, &client);
    Send({PointerMove(client)});
}

void ClickOn(HWND control) {
    RECT r{};
    ::GetWindowRect(control, &r);
    const INPUT move = PointerMove({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    INPUT down = move, up = move;
    down.mi.dwFlags = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE;
    up.mi.dwFlags = MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE;
    Send({move, down, up});
}

void PressKeys(std::initializer_list<WORD> keys) {
    std::vector<INPUT> inputs;
    for (WORD key : keys)
        inputs.push_back(KeyInput(key, false));
    for (auto key = keys.end(); key != keys.begin();)
        inputs.push_back(KeyInput(*--key, true));
    Send(std::move(inputs));
}

void TypeText(const std::wstring& text) {
    std::vector<INPUT> inputs;
    for (wchar_t c : text) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wScan = c;
        input.ki.dwFlags = KEYEVENTF_UNICODE;
        inputs.push_back(input);
        input.ki.dwFlags |= KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    Send(std::move(inputs));
}

HeldKey::HeldKey(WORD key) : key_(key) {
    Send({KeyInput(key_, false)});
}

HeldKey::~HeldKey() {
    Send({KeyInput(key_, true)});
}

bool WaitUntil(const std::function<bool()>& done, uint32_t milliseconds) {
    const ULONGLONG deadline = ::GetTickCount64() + milliseconds;
    for (;;) {
        if (done())
            return true;
        if (::GetTickCount64() >= deadline)
            return false;
        ::Sleep(kPollMs);
    }
}

}  // namespace pp::test
