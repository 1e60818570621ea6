#include "tests/wine/support/game_report.h"

#include <windows.h>

#include <tlhelp32.h>

#include <cstdlib>

#include "tests/wine/support/temp_folder.h"
#include "tests/wine/support/user_input.h"
#include "win32/handles.h"
#include "win32/text.h"

namespace pp::test {
namespace {

// Starting a program under a fresh Wine session can take many seconds; only a game that never
// reports waits this long.
constexpr uint32_t kReportTimeoutMs = 60000;
constexpr DWORD kEndTimeoutMs = 30000;

// Reads "<name>: <count>\n<count bytes>\n" at `at`; false when the text does not continue so.
bool TakeField(const std::string& text, size_t& at, const std::string& name, std::string& value) {
    const std::string head = name + ": ";
    const size_t end = text.find('\n', at);
    if (text.compare(at, head.size(), head) != 0 || end == std::string::npos)
        return false;
    char* stop = nullptr;
    const unsigned long long size = std::strtoull(text.c_str() + at + head.size(), &stop, 10);
    if (stop != text.c_str() + end || size > text.size() - end - 1 || text.compare(end + 1 + size, 1, "\n") != 0)
        return false;
    value = text.substr(end + 1, size);
    at = end + 2 + size;
    return true;
}

// Nothing when the text is not a whole report.
std::optional<GameReport> ParseGameReport(const std::string& text) {
    constexpr char kHeader[] = "fifa09 stand-in report\npid: ";
    GameReport report;
    size_t at = text.find('\n', sizeof(kHeader) - 1);
    if (text.rfind(kHeader, 0) != 0 || at == std::string::npos)
        return std::nullopt;
    report.pid = static_cast<uint32_t>(std::strtoul(text.c_str() + sizeof(kHeader) - 1, nullptr, 10));
    ++at;
    if (!TakeField(text, at, "command-line", report.commandLine) ||
        !TakeField(text, at, "working-folder", report.workingFolder))
        return std::nullopt;
    if (text.compare(at, std::string::npos, "user-ini: (none)\n") == 0)
        return report;
    std::string userIni;
    if (!TakeField(text, at, "user-ini", userIni) || at != text.size())
        return std::nullopt;
    report.userIni = std::move(userIni);
    return report;
}

// The reports of every copy that ran from the folder, one per process (fifa09.report.<pid>.txt).
std::vector<GameReport> GameReportsIn(const std::string& gameFolder) {
    std::vector<GameReport> reports;
    WIN32_FIND_DATAW found{};
    win32::UniqueFindHandle find(::FindFirstFileW(win32::Widen(gameFolder + "\\fifa09.report.*.txt").c_str(), &found));
    for (bool more = find.Valid(); more; more = ::FindNextFileW(find.Get(), &found)) {
        std::string bytes;
        const std::string name = win32::Narrow(found.cFileName);
        if (name == "fifa09.report.txt" || !ReadFile(gameFolder + "\\" + name, bytes))
            continue;
        if (auto report = ParseGameReport(bytes))
            reports.push_back(std::move(*report));
    }
    return reports;
}

}  // namespace

std::vector<GameReport> WaitForGameReports(const std::string& gameFolder, size_t count) {
    std::vector<GameReport> reports;
    WaitUntil([&] { return (reports = GameReportsIn(gameFolder)).size() >= count; }, kReportTimeoutMs);
    return reports;
}

GameReaper::~GameReaper() {
    const std::wstring game = win32::Widen(gameFolder_ + "\\fifa09.exe");
    win32::UniqueFileHandle snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = snapshot && ::Process32FirstW(snapshot.Get(), &entry); more;
         more = ::Process32NextW(snapshot.Get(), &entry)) {
        win32::UniqueKernelHandle process(::OpenProcess(
            PROCESS_TERMINATE | SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, entry.th32ProcessID));
        wchar_t path[32768];
        DWORD size = 32768;
        if (process && ::QueryFullProcessImageNameW(process.Get(), 0, path, &size) &&
            ::CompareStringOrdinal(path, static_cast<int>(size), game.c_str(), -1, TRUE) == CSTR_EQUAL) {
            ::TerminateProcess(process.Get(), 0);
            ::WaitForSingleObject(process.Get(), kEndTimeoutMs);
        }
    }
}

}  // namespace pp::test
