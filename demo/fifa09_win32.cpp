// The stand-in for the game's fifa09.exe: a small window program that tells how it was started.
//
// On start it writes a report beside its own exe and shows the same text in its window, then
// stays open until it is closed or ended. The report is UTF-8 with "\n" line ends:
//
//   fifa09 stand-in report
//   pid: <process id, decimal>
//   command-line: <N>
//   <N bytes: the raw command line (GetCommandLineW) as UTF-8>
//   working-folder: <N>
//   <N bytes: the working folder (GetCurrentDirectoryW) as UTF-8>
//   user-ini: <N>                  or "user-ini: (none)" when there is no user.ini
//   <N bytes: user.ini of the working folder, byte for byte>
//
// Each value is followed by one "\n" after its N bytes, so a reader takes exactly N bytes and
// needs no escaping, whatever the value holds. The same report goes to two files:
//   fifa09.report.<pid>.txt  this copy's own report; several copies may run at once
//   fifa09.report.txt        the report of the copy that started last
// Each file is written under a temporary name first and then renamed over the old one, so a
// reader sees either no report, the previous one, or the whole new one, never half of one. When
// PP_GAME_REPORT_FOLDER names a folder, the reports go there instead: a test that runs the game
// from a folder its user may not write to.

#include <windows.h>

#include <string>
#include <string_view>

#include "win32/handles.h"

namespace {

using pp::win32::UniqueFileHandle;

constexpr wchar_t kWindowClass[] = L"PitchPilotFifa09StandIn";
constexpr wchar_t kTitle[] = L"FIFA 09 demo (stand-in)";

std::string ToUtf8(std::wstring_view wide) {
    if (wide.empty())
        return {};
    int size =
        ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), out.data(), size, nullptr, nullptr);
    return out;
}

std::wstring ToWide(UINT codePage, std::string_view bytes) {
    if (bytes.empty())
        return {};
    int size = ::MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(size), L'\0');
    ::MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), out.data(), size);
    return out;
}

std::wstring WorkingFolder() {
    DWORD size = ::GetCurrentDirectoryW(0, nullptr);
    std::wstring folder(size, L'\0');
    DWORD length = ::GetCurrentDirectoryW(size, folder.data());
    folder.resize(length < size ? length : 0);
    return folder;
}

std::wstring OwnFolder() {
    std::wstring path(32768, L'\0');
    DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    path.resize(length);
    size_t slash = path.find_last_of(L'\\');
    return slash == std::wstring::npos ? std::wstring(L".") : path.substr(0, slash);
}

std::wstring ReportFolder() {
    std::wstring folder(32768, L'\0');
    const DWORD length =
        ::GetEnvironmentVariableW(L"PP_GAME_REPORT_FOLDER", folder.data(), static_cast<DWORD>(folder.size()));
    if (length == 0 || length >= folder.size())
        return OwnFolder();
    folder.resize(length);
    return folder;
}

// False when the file is missing or cannot be read.
bool ReadBytes(const std::wstring& path, std::string& bytes) {
    UniqueFileHandle file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return false;
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file.Get(), &size) || size.QuadPart > 0x7FFFFFFF)
        return false;
    bytes.assign(static_cast<size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!bytes.empty() && !::ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr))
        return false;
    bytes.resize(read);
    return true;
}

bool WriteWhole(const std::wstring& path, const std::string& bytes) {
    UniqueFileHandle file(
        ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return false;
    DWORD written = 0;
    return ::WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

// Writes under a temporary name of this process, then renames it over `path`.
void WriteByRenaming(const std::wstring& path, const std::string& bytes) {
    std::wstring temporary = path + L"." + std::to_wstring(::GetCurrentProcessId()) + L".tmp";
    if (!WriteWhole(temporary, bytes) ||
        !::MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        ::DeleteFileW(temporary.c_str());
}

struct Report {
    DWORD pid = 0;
    std::wstring commandLine;
    std::wstring workingFolder;
    bool hasUserIni = false;
    std::string userIni;
};

Report Gather() {
    Report report;
    report.pid = ::GetCurrentProcessId();
    report.commandLine = ::GetCommandLineW();
    report.workingFolder = WorkingFolder();
    report.hasUserIni = ReadBytes(report.workingFolder + L"\\user.ini", report.userIni);
    return report;
}

std::string Field(std::string_view name, const std::string& value) {
    return std::string(name) + ": " + std::to_string(value.size()) + "\n" + value + "\n";
}

std::string ReportText(const Report& report) {
    std::string text = "fifa09 stand-in report\n";
    text += "pid: " + std::to_string(report.pid) + "\n";
    text += Field("command-line", ToUtf8(report.commandLine));
    text += Field("working-folder", ToUtf8(report.workingFolder));
    text += report.hasUserIni ? Field("user-ini", report.userIni) : std::string("user-ini: (none)\n");
    return text;
}

std::wstring WindowText(const Report& report) {
    std::wstring text = L"Process " + std::to_wstring(report.pid) + L"\r\n\r\nCommand line:\r\n" + report.commandLine +
                        L"\r\n\r\nWorking folder:\r\n" + report.workingFolder + L"\r\n\r\nuser.ini:\r\n";
    if (!report.hasUserIni)
        return text + L"(none)";
    // An edit box wants "\r\n"; user.ini may hold bare "\n".
    for (wchar_t c : ToWide(CP_ACP, report.userIni)) {
        if (c == L'\n' && (text.empty() || text.back() != L'\r'))
            text.push_back(L'\r');
        text.push_back(c);
    }
    return text;
}

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE: {
            HWND text = ::GetWindow(window, GW_CHILD);
            if (text)
                ::MoveWindow(text, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
            return 0;
        }
        case WM_DESTROY:
            ::PostQuitMessage(0);
            return 0;
        default:
            return ::DefWindowProcW(window, message, wParam, lParam);
    }
}

HWND CreateMainWindow(HINSTANCE instance, const std::wstring& text) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = kWindowClass;
    ::RegisterClassW(&windowClass);
    HWND window = ::CreateWindowExW(0, kWindowClass, kTitle, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 640,
                                    400, nullptr, nullptr, instance, nullptr);
    if (!window)
        return nullptr;
    RECT client{};
    ::GetClientRect(window, &client);
    ::CreateWindowExW(
        0, L"EDIT", text.c_str(),
        WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | ES_AUTOHSCROLL,
        0, 0, client.right, client.bottom, window, nullptr, instance, nullptr);
    return window;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    Report report = Gather();
    std::string text = ReportText(report);
    std::wstring folder = ReportFolder();
    WriteByRenaming(folder + L"\\fifa09.report." + std::to_wstring(report.pid) + L".txt", text);
    WriteByRenaming(folder + L"\\fifa09.report.txt", text);

    HWND window = CreateMainWindow(instance, WindowText(report));
    if (!window)
        return 1;
    ::ShowWindow(window, show);
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return 0;
}
