#include "tests/wine/support/processes.h"

#include <cstdlib>

#include "tests/wine/support/desktop.h"
#include "tests/wine/support/files.h"
#include "win32/text.h"

namespace pp::test {
namespace {

using win32::Widen;

// Takes "<name>: <N>\n<N bytes>\n" at `at`; nothing when the report does not go on so, as where
// it says "user-ini: (none)".
std::optional<std::string> TakeField(const std::string& text, size_t& at, const std::string& name) {
    const size_t end = text.find('\n', at);
    if (end == std::string::npos || text.compare(at, name.size() + 2, name + ": ") != 0)
        return std::nullopt;
    char* stop = nullptr;
    const size_t size = std::strtoull(text.c_str() + at + name.size() + 2, &stop, 10);
    if (stop != text.c_str() + end || end + 1 + size >= text.size())
        return std::nullopt;
    at = end + 2 + size;
    return text.substr(end + 1, size);
}

}  // namespace

ChildProcess::ChildProcess(const std::string& program, const std::string& workingFolder) {
    std::wstring commandLine = L"\"" + Widen(program) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          workingFolder.empty() ? nullptr : Widen(workingFolder).c_str(), &startup, &info))
        return;
    win32::UniqueKernelHandle thread(info.hThread);
    process_.Reset(info.hProcess);
    id_ = info.dwProcessId;
    ::WaitForInputIdle(info.hProcess, kLongWaitMs);
}

ChildProcess::ChildProcess(uint32_t id)
    : process_(::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id)),
      id_(id) {}

ChildProcess::~ChildProcess() {
    if (process_ && !WaitForExit(0)) {
        ::TerminateProcess(process_.Get(), 1);
        ::WaitForSingleObject(process_.Get(), kLongWaitMs);
    }
}

std::optional<uint32_t> ChildProcess::WaitForExit(uint32_t milliseconds) {
    DWORD code = 0;
    if (::WaitForSingleObject(process_.Get(), milliseconds) != WAIT_OBJECT_0 ||
        !::GetExitCodeProcess(process_.Get(), &code))
        return std::nullopt;
    return code;
}

// The game writes its report under another name and renames it, so a report that is there is whole.
std::optional<GameReport> WaitForGameReport(const std::string& gameFolder) {
    std::optional<std::string> text;
    if (!WaitUntil([&] { return (text = ReadFile(gameFolder + "\\fifa09.report.txt")).has_value(); }))
        return std::nullopt;
    const size_t pid = text->find("\npid: ") + 6;
    size_t at = text->find('\n', pid) + 1;
    GameReport report;
    report.commandLine = TakeField(*text, at, "command-line").value_or("");
    report.workingFolder = TakeField(*text, at, "working-folder").value_or("");
    report.userIni = TakeField(*text, at, "user-ini");
    report.game = std::make_unique<ChildProcess>(static_cast<uint32_t>(std::strtoul(text->c_str() + pid, nullptr, 10)));
    return report;
}

}  // namespace pp::test
