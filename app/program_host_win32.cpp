#include "app/program_host_win32.h"

#include <windows.h>

#include <shellapi.h>

#include "files/access_list_win32.h"
#include "menu/tool_message_win32.h"
#include "win32/module_path.h"
#include "win32/text.h"

namespace pp::win32 {

namespace {

constexpr UINT kExitCodeOfFatalStop = 1;

// An argument as the program's command line reader takes it back: in quotes when it holds a blank or
// a quote, with each quote and the backslashes before one doubled as that reader undoes.
std::wstring Quoted(const std::wstring& argument) {
    if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos)
        return argument;
    std::wstring quoted = L"\"";
    size_t backslashes = 0;
    for (wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted += c;
    }
    return quoted.append(backslashes * 2, L'\\') + L"\"";
}

// Waits for the process, keeping the thread's windows painted; the owner takes no input meanwhile,
// as under a dialog of its own. A quit asked for in between is passed on to the message loop.
DWORD WaitForExitCode(HANDLE process, HWND owner) {
    const bool disabled = owner && !::EnableWindow(owner, FALSE);
    bool quit = false;
    WPARAM quitCode = 0;
    while (::MsgWaitForMultipleObjects(1, &process, FALSE, INFINITE, QS_ALLINPUT) == WAIT_OBJECT_0 + 1) {
        MSG message;
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                quit = true;
                quitCode = message.wParam;
                continue;
            }
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
    }
    if (disabled)
        ::EnableWindow(owner, TRUE);
    if (quit)
        ::PostQuitMessage(static_cast<int>(quitCode));
    DWORD code = 0;
    return ::GetExitCodeProcess(process, &code) ? code : STILL_ACTIVE;
}

}  // namespace

WindowsProgramHost::WindowsProgramHost(std::wstring instanceName) : instanceName_(std::move(instanceName)) {}

std::string WindowsProgramHost::ProgramFolder() {
    std::wstring path = ModulePath();
    const size_t separator = path.find_last_of(L"\\/");
    if (separator == std::wstring::npos)
        return {};
    return Narrow(std::wstring_view(path).substr(0, separator));
}

// A mutex that already exists belongs to another copy. One that cannot be opened because another
// user's copy made it with other rights is another copy as well. Any other failure cannot tell,
// and then the tool runs rather than refusing for nothing.
bool WindowsProgramHost::AnotherCopyRunning() {
    if (instanceLock_)
        return false;
    UniqueKernelHandle lock(::CreateMutexW(nullptr, FALSE, instanceName_.c_str()));
    const DWORD error = ::GetLastError();
    if (!lock)
        return error == ERROR_ACCESS_DENIED;
    if (error == ERROR_ALREADY_EXISTS)
        return true;
    instanceLock_ = std::move(lock);
    return false;
}

// Task-modal with no owner, so every window of the tool waits for the answer, including a main
// window that already shows when the save command finds a file missing.
void WindowsProgramHost::ShowStopMessage(const std::string& text, const std::string& title) {
    ::MessageBoxW(nullptr, Widen(text).c_str(), Widen(title).c_str(),
                  MB_OK | MB_ICONSTOP | MB_TASKMODAL | MB_SETFOREGROUND);
}

void WindowsProgramHost::EndNow() {
    ::ExitProcess(kExitCodeOfFatalStop);
}

void WindowsProgramHost::Tell(const std::string& text) {
    ShowToolMessage(owner_, text);
}

bool WindowsProgramHost::Ask(const std::string& text, const std::string& yes, const std::string& no) {
    return ShowToolChoice(owner_, text, yes, no);
}

std::string WindowsProgramHost::AccountId() {
    return CurrentAccountSid();
}

bool WindowsProgramHost::CanRunElevated() {
    return !::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "wine_get_version");
}

ElevatedRun WindowsProgramHost::RunElevated(const std::vector<std::string>& arguments) {
    const std::wstring program = ModulePath();
    std::wstring parameters;
    for (const std::string& argument : arguments)
        parameters += (parameters.empty() ? L"" : L" ") + Quoted(Widen(argument));
    SHELLEXECUTEINFOW run{};
    run.cbSize = sizeof(run);
    run.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
    run.hwnd = owner_;
    run.lpVerb = L"runas";
    run.lpFile = program.c_str();
    run.lpParameters = parameters.c_str();
    run.nShow = SW_HIDE;
    if (!::ShellExecuteExW(&run))
        return {::GetLastError() == ERROR_CANCELLED ? ElevatedRun::Start::Declined : ElevatedRun::Start::Failed, 0};
    const UniqueKernelHandle process(run.hProcess);
    if (!process)
        return {ElevatedRun::Start::Failed, 0};
    return {ElevatedRun::Start::Ran, WaitForExitCode(process.Get(), owner_)};
}

}  // namespace pp::win32
