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

// A bare program path is one the system would run: the file, with ".exe" added when its name has no
// extension (so a file "C:\Games\FIFA" beside "FIFA 09 Demo" is not taken for the program).
bool NamesAFile(std::string_view path) {
    std::wstring file = Widen(path);
    const size_t name = file.find_last_of(L"\\/:");
    if (file.find(L'.', name == std::wstring::npos ? 0 : name) == std::wstring::npos)
        file += L".exe";
    const DWORD attributes = ::GetFileAttributesW(file.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

std::vector<std::string> CommandLineArguments() {
    return ArgumentsOf(::GetCommandLineW());
}

// The program's name is taken off first; the rest goes through the system's own splitting, behind a
// stand-in name that it takes as the program's.
std::vector<std::string> ArgumentsOf(const std::wstring& commandLine) {
    const std::string line = Narrow(commandLine);
    const std::wstring rest = L"x " + Widen(std::string_view(line).substr(EndOfProgramName(line, NamesAFile)));
    int count = 0;
    const ArgumentList list(::CommandLineToArgvW(rest.c_str(), &count));
    std::vector<std::string> arguments;
    for (int i = 1; list && i < count; ++i)
        arguments.push_back(Narrow(list.Get()[i]));
    return arguments;
}

uint64_t ThisCopyStartedAt() {
    FILETIME created{}, exited{}, kernel{}, user{};
    ::GetProcessTimes(::GetCurrentProcess(), &created, &exited, &kernel, &user);
    return (static_cast<uint64_t>(created.dwHighDateTime) << 32) | created.dwLowDateTime;
}

void ShowUsage() {
    ::MessageBoxW(nullptr, Widen(UsageMessage()).c_str(), Widen(kApplicationTitle).c_str(),
                  MB_OK | MB_ICONINFORMATION | MB_SETFOREGROUND);
}

// The system lets the program the user started last take the foreground, which is this copy, not
// the running one; this copy passes it on. The message is sent, not posted, to learn whether the
// window took it; the window answers at once and runs the command after.
bool HandOverToRunningCopy(const std::vector<std::string>& arguments) {
    const HWND window = WaitForRunningWindow();
    if (!window)
        return false;
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    ::AllowSetForegroundWindow(owner);
    std::string bytes = HandOverBytes({ThisCopyStartedAt(), arguments});
    COPYDATASTRUCT data{kHandOverData, static_cast<DWORD>(bytes.size()), bytes.data()};
    DWORD_PTR taken = FALSE;
    return ::SendMessageTimeoutW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_NORMAL,
                                 kRunningWindowWaitMs, &taken) != 0 &&
           taken == TRUE;
}

}  // namespace pp::win32
