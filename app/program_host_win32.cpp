#include "app/program_host_win32.h"

#include <windows.h>

#include "win32/text.h"

namespace pp::win32 {

namespace {

constexpr UINT kExitCodeOfFatalStop = 1;
// The longest path the wide file functions take.
constexpr DWORD kLongestPath = 32768;

}  // namespace

WindowsProgramHost::WindowsProgramHost(std::wstring instanceName) : instanceName_(std::move(instanceName)) {}

// GetModuleFileNameW cuts the path to the buffer without saying so except by filling it, so the
// buffer grows until the path fits.
std::wstring ModulePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return {};
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        if (path.size() >= kLongestPath)
            return {};
        path.resize(path.size() * 2);
    }
}

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
