#include "tests/wine/support/child_process.h"

#include <windows.h>

#include "win32/handles.h"
#include "win32/text.h"

namespace pp::test {

// Generous: the first program of a fresh Wine session may take seconds to come up. Only a
// program that never gets ready waits this long.
constexpr DWORD kReadyTimeoutMs = 60000;
constexpr DWORD kEndTimeoutMs = 30000;

struct ChildProcess::Handles {
    win32::UniqueKernelHandle process;
    win32::UniqueKernelHandle thread;
    DWORD id = 0;
};

ChildProcess::ChildProcess(const std::string& program, const std::string& arguments, const std::string& workingFolder)
    : handles_(std::make_unique<Handles>()) {
    std::wstring commandLine = L"\"" + win32::Widen(program) + L"\"";
    if (!arguments.empty())
        commandLine += L" " + win32::Widen(arguments);
    const std::wstring folder = win32::Widen(workingFolder);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (!::CreateProcessW(win32::Widen(program).c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          folder.empty() ? nullptr : folder.c_str(), &startup, &info))
        return;
    handles_->process.Reset(info.hProcess);
    handles_->thread.Reset(info.hThread);
    handles_->id = info.dwProcessId;
    ::WaitForInputIdle(info.hProcess, kReadyTimeoutMs);
}

ChildProcess::~ChildProcess() {
    if (Running()) {
        ::TerminateProcess(handles_->process.Get(), 1);
        ::WaitForSingleObject(handles_->process.Get(), kEndTimeoutMs);
    }
}

bool ChildProcess::Started() const {
    return handles_->process.Valid();
}

uint32_t ChildProcess::Id() const {
    return handles_->id;
}

bool ChildProcess::Running() const {
    return Started() && ::WaitForSingleObject(handles_->process.Get(), 0) == WAIT_TIMEOUT;
}

std::optional<uint32_t> ChildProcess::WaitForExit(uint32_t milliseconds) {
    if (!Started() || ::WaitForSingleObject(handles_->process.Get(), milliseconds) != WAIT_OBJECT_0)
        return std::nullopt;
    DWORD code = 0;
    if (!::GetExitCodeProcess(handles_->process.Get(), &code))
        return std::nullopt;
    return code;
}

}  // namespace pp::test
