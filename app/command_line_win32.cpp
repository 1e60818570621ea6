#include "app/command_line_win32.h"

#include <windows.h>

#include <shellapi.h>

#include "model/form1.h"
#include "view/main_window_win32.h"
#include "win32/handles.h"
#include "win32/text.h"

namespace pp::win32 {
namespace {

using ArgumentList = UniqueHandle<LPWSTR*, ::LocalFree, nullptr>;

// The copy that runs already makes its window only after its start-up, which a large team list or
// a slow Wine start can draw out; this long it is waited for, and then for its answer.
constexpr DWORD kRunningWindowWaitMs = 10000;
constexpr DWORD kRunningWindowPollMs = 50;

HWND WaitForRunningWindow() {
    const ULONGLONG deadline = ::GetTickCount64() + kRunningWindowWaitMs;
    for (;;) {
        if (const HWND window = ::FindWindowW(kForm1ClassName, nullptr))
            return window;
        if (::GetTickCount64() >= deadline)
            return nullptr;
        ::Sleep(kRunningWindowPollMs);
    }
}

}  // namespace

std::vector<std::string> CommandLineArguments() {
    int count = 0;
    const ArgumentList list(::CommandLineToArgvW(::GetCommandLineW(), &count));
    std::vector<std::string> arguments;
    for (int i = 1; list && i < count; ++i)
        arguments.push_back(Narrow(list.Get()[i]));
    return arguments;
}

void ShowUsage() {
    ::MessageBoxW(nullptr, Widen(UsageMessage()).c_str(), Widen(kApplicationTitle).c_str(),
                  MB_OK | MB_ICONINFORMATION | MB_SETFOREGROUND);
}

// The system lets the program the user started last take the foreground, which is this copy, not
// the running one; this copy passes it on. The message is sent, not posted, to learn whether the
// window took it; the window answers at once and runs the command after.
bool HandOverToRunningCopy(CommandLineRequest request) {
    const HWND window = WaitForRunningWindow();
    if (!window)
        return false;
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    ::AllowSetForegroundWindow(owner);
    DWORD_PTR taken = FALSE;
    return ::SendMessageTimeoutW(window, HandOverMessage(), static_cast<WPARAM>(request), 0, SMTO_NORMAL,
                                 kRunningWindowWaitMs, &taken) != 0 &&
           taken == TRUE;
}

}  // namespace pp::win32
