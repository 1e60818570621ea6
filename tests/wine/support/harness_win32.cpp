#include "tests/wine/support/harness.h"

#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>

#include <atomic>
#include <cstdlib>
#include <vector>

#include "win32/text.h"

namespace pp::test {
namespace {

using win32::Widen;

// Lists of NUL-ended paths, an empty one last.
bool ShellFileOperation(UINT operation, const std::string& from, const std::string& to = {}) {
    const std::wstring source = Widen(from) + L'\0', target = Widen(to) + L'\0';
    SHFILEOPSTRUCTW op{};
    op.wFunc = operation;
    op.pFrom = source.c_str();
    op.pTo = to.empty() ? nullptr : target.c_str();
    op.fFlags = FOF_NO_UI;
    return ::SHFileOperationW(&op) == 0 && !op.fAnyOperationsAborted;
}

// "<name>: <N>\n<N bytes>\n" at `at`; nothing otherwise, as for "user-ini: (none)".
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

INPUT KeyInput(WORD key, WORD character, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = character;
    input.ki.dwFlags = flags;
    return input;
}

void Send(std::vector<INPUT> inputs) {
    ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

}  // namespace

TempFolder::TempFolder() {
    static std::atomic<int> counter{0};
    wchar_t temp[MAX_PATH + 1];
    const DWORD length = ::GetTempPathW(MAX_PATH, temp);  // ends with a separator
    path_ = win32::Narrow(std::wstring(temp, length)) + "pp test \xC5\xA1\xCE\xA9 " +
            std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(counter++);
    MakeFolders(path_);
}

TempFolder::~TempFolder() {
    ShellFileOperation(FO_DELETE, path_);
}

bool CopyFolder(const std::string& from, const std::string& to) {
    return ShellFileOperation(FO_COPY, from, to);
}

void MakeFolders(const std::string& path) {
    ::SHCreateDirectoryExW(nullptr, Widen(path).c_str(), nullptr);
}

void WriteFile(const std::string& path, const std::string& bytes) {
    win32::UniqueFileHandle file(
        ::CreateFileW(Widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    ::WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

std::optional<std::string> ReadFile(const std::string& path) {
    win32::UniqueFileHandle file(::CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                               nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (!file || !::GetFileSizeEx(file.Get(), &size))
        return std::nullopt;
    std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!::ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr))
        return std::nullopt;
    bytes.resize(read);
    return bytes;
}

win32::UniqueFileHandle HoldOpen(const std::string& path) {
    return win32::UniqueFileHandle(
        ::CreateFileW(Widen(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
}

std::string ProgramFolder() {
    wchar_t path[MAX_PATH];
    const std::wstring self(path, ::GetModuleFileNameW(nullptr, path, MAX_PATH));
    return win32::Narrow(self.substr(0, self.find_last_of(L'\\')));
}

bool WaitUntil(const std::function<bool()>& done) {
    for (const ULONGLONG deadline = ::GetTickCount64() + kLongWaitMs; !done(); ::Sleep(20))
        if (::GetTickCount64() >= deadline)
            return false;
    return true;
}

ChildProcess::ChildProcess(const std::string& program, const std::string& folder, const std::string& args, bool bare) {
    std::wstring commandLine = win32::Widen(bare ? program + " " + args : "\"" + program + "\" " + args);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          win32::Widen(folder).c_str(), &startup, &info))
        return;
    win32::UniqueKernelHandle thread(info.hThread);
    process_.Reset(info.hProcess);
    id_ = info.dwProcessId;
    if (!bare)
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

// The game renames its report into place, so a report that is there is whole.
std::optional<GameReport> WaitForGameReport(const std::string& gameFolder) {
    const std::string path = gameFolder + "\\fifa09.report.txt";
    std::optional<std::string> text;
    if (!WaitUntil([&] { return (text = ReadFile(path)).has_value(); }))
        return std::nullopt;
    ::DeleteFileW(Widen(path).c_str());
    const size_t pid = text->find("\npid: ") + 6;
    size_t at = text->find('\n', pid) + 1;
    GameReport report;
    report.commandLine = TakeField(*text, at, "command-line").value_or("");
    report.workingFolder = TakeField(*text, at, "working-folder").value_or("");
    report.userIni = TakeField(*text, at, "user-ini");
    report.game = std::make_unique<ChildProcess>(static_cast<uint32_t>(std::strtoul(text->c_str() + pid, nullptr, 10)));
    return report;
}

HWND WaitForTopWindow(uint32_t processId, const std::wstring& className, const std::wstring& title) {
    HWND found = nullptr;
    WaitUntil([&] {
        while ((found = ::FindWindowExW(nullptr, found, className.c_str(), title.empty() ? nullptr : title.c_str()))) {
            DWORD owner = 0;
            ::GetWindowThreadProcessId(found, &owner);
            if (owner == processId && ::IsWindowVisible(found))
                return true;
        }
        return false;
    });
    // Under Wine, input given while the window still draws itself can go astray.
    ::SendMessageTimeoutW(found, WM_NULL, 0, 0, SMTO_NORMAL, kLongWaitMs, nullptr);
    return found;
}

std::wstring WindowText(HWND window) {
    wchar_t text[1024] = {};
    ::SendMessageW(window, WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text));
    return text;
}

bool BringToFront(HWND window) {
    ::ShowWindow(window, SW_RESTORE);
    ::SetForegroundWindow(window);
    ::BringWindowToTop(window);
    return WaitUntil([&] { return ::GetForegroundWindow() == window; });
}

// The release carries the point too: under Wine an injected move can come back late as input of the
// program under the X pointer, and a release without one then lands outside the control.
void ClickOn(HWND control) {
    RECT r{};
    ::GetWindowRect(control, &r);
    INPUT press{};
    press.type = INPUT_MOUSE;
    press.mi.dx = MulDiv((r.left + r.right) / 2, 65536, ::GetSystemMetrics(SM_CXSCREEN));
    press.mi.dy = MulDiv((r.top + r.bottom) / 2, 65536, ::GetSystemMetrics(SM_CYSCREEN));
    press.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_LEFTDOWN;
    INPUT release = press;
    release.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_LEFTUP;
    Send({press, release});
}

void PressKey(WORD key) {
    Send({KeyInput(key, 0, 0), KeyInput(key, 0, KEYEVENTF_KEYUP)});
}

void Shortcut(WORD key) {
    Send({KeyInput(VK_CONTROL, 0, 0), KeyInput(key, 0, 0), KeyInput(key, 0, KEYEVENTF_KEYUP),
          KeyInput(VK_CONTROL, 0, KEYEVENTF_KEYUP)});
}

void TypeText(const std::wstring& text) {
    std::vector<INPUT> inputs;
    for (wchar_t c : text) {
        inputs.push_back(KeyInput(0, c, KEYEVENTF_UNICODE));
        inputs.push_back(KeyInput(0, c, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP));
    }
    Send(std::move(inputs));
}

void SendKey(WORD key, bool up) {
    Send({KeyInput(key, 0, up ? KEYEVENTF_KEYUP : 0)});
}

}  // namespace pp::test
