#include "tests/wine/support/game_report.h"

#include <windows.h>

#include <tlhelp32.h>

#include <charconv>
#include <string_view>

#include "tests/wine/support/temp_folder.h"
#include "win32/handles.h"
#include "win32/text.h"

namespace pp::test {
namespace {

constexpr const char* kHeader = "fifa09 stand-in report\n";
// Starting a program under a fresh Wine session can take many seconds; only a game that never
// reports waits this long.
constexpr DWORD kReportTimeoutMs = 60000;
constexpr DWORD kPollMs = 50;
constexpr DWORD kEndTimeoutMs = 30000;

// Reads "<name>: " at `at`; false when the text does not continue so.
bool TakeName(std::string_view text, size_t& at, std::string_view name) {
    if (text.substr(at, name.size()) != name || text.substr(at + name.size(), 2) != ": ")
        return false;
    at += name.size() + 2;
    return true;
}

// Reads a decimal number ended by "\n".
bool TakeNumber(std::string_view text, size_t& at, uint64_t& number) {
    size_t end = text.find('\n', at);
    if (end == std::string_view::npos)
        return false;
    auto [stop, error] = std::from_chars(text.data() + at, text.data() + end, number);
    if (error != std::errc() || stop != text.data() + end)
        return false;
    at = end + 1;
    return true;
}

// Reads "<count>\n<count bytes>\n".
bool TakeValue(std::string_view text, size_t& at, std::string& value) {
    uint64_t size = 0;
    if (!TakeNumber(text, at, size) || size > text.size() - at || text.substr(at + size, 1) != "\n")
        return false;
    value.assign(text.substr(at, size));
    at += size + 1;
    return true;
}

std::wstring ProgramPathOf(HANDLE process) {
    std::wstring path(32768, L'\0');
    DWORD size = static_cast<DWORD>(path.size());
    if (!::QueryFullProcessImageNameW(process, 0, path.data(), &size))
        return {};
    path.resize(size);
    return path;
}

bool SamePath(const std::wstring& a, const std::wstring& b) {
    return ::CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
}

// Nothing when the text is not a whole report.
std::optional<GameReport> ParseGameReport(const std::string& text) {
    std::string_view all = text;
    size_t at = 0;
    GameReport report;
    uint64_t pid = 0;
    if (all.substr(0, std::string_view(kHeader).size()) != kHeader)
        return std::nullopt;
    at = std::string_view(kHeader).size();
    if (!TakeName(all, at, "pid") || !TakeNumber(all, at, pid))
        return std::nullopt;
    report.pid = static_cast<uint32_t>(pid);
    if (!TakeName(all, at, "command-line") || !TakeValue(all, at, report.commandLine))
        return std::nullopt;
    if (!TakeName(all, at, "working-folder") || !TakeValue(all, at, report.workingFolder))
        return std::nullopt;
    if (!TakeName(all, at, "user-ini"))
        return std::nullopt;
    if (all.substr(at) == "(none)\n")
        return report;
    std::string userIni;
    if (!TakeValue(all, at, userIni) || at != all.size())
        return std::nullopt;
    report.userIni = std::move(userIni);
    return report;
}

std::vector<GameReport> GameReportsIn(const std::string& gameFolder) {
    std::vector<GameReport> reports;
    WIN32_FIND_DATAW found{};
    win32::UniqueFindHandle find(::FindFirstFileW(win32::Widen(gameFolder + "\\fifa09.report.*.txt").c_str(), &found));
    if (!find)
        return reports;
    do {
        std::string bytes;
        const std::string name = win32::Narrow(found.cFileName);
        if (name == "fifa09.report.txt" || !ReadFile(gameFolder + "\\" + name, bytes))
            continue;
        if (auto report = ParseGameReport(bytes))
            reports.push_back(std::move(*report));
    } while (::FindNextFileW(find.Get(), &found));
    return reports;
}

}  // namespace

std::vector<GameReport> WaitForGameReports(const std::string& gameFolder, size_t count) {
    const ULONGLONG deadline = ::GetTickCount64() + kReportTimeoutMs;
    std::vector<GameReport> reports = GameReportsIn(gameFolder);
    while (reports.size() < count && ::GetTickCount64() < deadline) {
        ::Sleep(kPollMs);
        reports = GameReportsIn(gameFolder);
    }
    return reports;
}

GameReaper::~GameReaper() {
    const std::wstring game = win32::Widen(gameFolder_ + "\\fifa09.exe");
    win32::UniqueFileHandle snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot)
        return;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = ::Process32FirstW(snapshot.Get(), &entry); more; more = ::Process32NextW(snapshot.Get(), &entry)) {
        win32::UniqueKernelHandle process(::OpenProcess(
            PROCESS_TERMINATE | SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, entry.th32ProcessID));
        if (!process || !SamePath(ProgramPathOf(process.Get()), game))
            continue;
        ::TerminateProcess(process.Get(), 0);
        ::WaitForSingleObject(process.Get(), kEndTimeoutMs);
    }
}

}  // namespace pp::test
