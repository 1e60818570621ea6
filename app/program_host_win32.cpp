#include "app/program_host_win32.h"

#include <windows.h>

#include "win32/module_path.h"
#include "win32/text.h"

namespace pp::win32 {

namespace {

constexpr UINT kExitCodeOfFatalStop = 1;

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

}  // namespace pp::win32
