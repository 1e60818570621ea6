#include "tests/wine/support/processes.h"

#include <cstdlib>

#include "tests/wine/support/desktop.h"
#include "tests/wine/support/files.h"
#include "win32/text.h"

namespace pp::test {
namespace {

using win32::Widen;

// Only a program that never ends waits this long.
constexpr DWORD kEndWaitMs = 30000;

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

std::vector<GameReport> GameReportsIn(const std::string& gameFolder) {
    std::vector<GameReport> reports;
    WIN32_FIND_DATAW found{};
    win32::UniqueFindHandle find(::FindFirstFileW(Widen(gameFolder + "\\fifa09.report.*.txt").c_str(), &found));
    for (bool more = find.Valid(); more; more = ::FindNextFileW(find.Get(), &found)) {
        const std::string name = win32::Narrow(found.cFileName);
        const std::string text = ReadFile(gameFolder + "\\" + name).value_or("");
        size_t at = text.find("\ncommand-line: ") + 1;
        const auto pid = static_cast<uint32_t>(std::strtoul(name.c_str() + sizeof("fifa09.report.") - 1, nullptr, 10));
        auto commandLine = TakeField(text, at, "command-line");
        auto workingFolder = TakeField(text, at, "working-folder");
        if (pid == 0 || !commandLine || !workingFolder)
            continue;  // fifa09.report.txt repeats the last copy's report
        reports.push_back({pid, *commandLine, *workingFolder, TakeField(text, at, "user-ini"), nullptr});
    }
    return reports;
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
        ::WaitForSingleObject(process_.Get(), kEndWaitMs);
    }
}

std::optional<uint32_t> ChildProcess::WaitForExit(uint32_t milliseconds) {
    DWORD code = 0;
    if (::WaitForSingleObject(process_.Get(), milliseconds) != WAIT_OBJECT_0 ||
        !::GetExitCodeProcess(process_.Get(), &code))
        return std::nullopt;
    return code;
}

std::vector<GameReport> WaitForGameReports(const std::string& gameFolder, size_t count) {
    std::vector<GameReport> reports;
    WaitUntil([&] { return (reports = GameReportsIn(gameFolder)).size() >= count; });
    for (GameReport& report : reports)
        report.game = std::make_unique<ChildProcess>(report.pid);
    return reports;
}

}  // namespace pp::test
