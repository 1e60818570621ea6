// Whole-program figures under Wine, each measured side by side with its floor in one run:
//  - start-up: process start to the main window visible with its team list filled, against a
//    bare window program started the same way, and against a bare window with the main window's
//    controls (bare_controls); with the demo lists and with 100,000 teams;
//  - start click to game process running, against a bare launch of the stand-in game, and against
//    a click on a plain button that makes that launch;
//  - F12 to game process gone;
//  - working set of the running tool against the bare window; size of PitchPilot.exe.
// Usage (scripts/bench runs it): launch_bench.exe DEMO_GAME_FOLDER [RUNS] [start-up]
// With "start-up" it measures the start-up figures alone, which takes seconds instead of a minute.

#include <windows.h>

#include <psapi.h>
#include <shellapi.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "model/control_ids.h"
#include "win32/handles.h"

namespace {

using Clock = double;  // milliseconds

double Now() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        ::QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    ::QueryPerformanceCounter(&t);
    return 1000.0 * static_cast<double>(t.QuadPart) / static_cast<double>(frequency.QuadPart);
}

std::wstring ProgramFolder() {
    wchar_t buffer[MAX_PATH];
    DWORD n = ::GetModuleFileNameW(nullptr, buffer, MAX_PATH);
    std::wstring path(buffer, n);
    return path.substr(0, path.find_last_of(L'\\'));
}

// Polls `ready` every millisecond; the time it first held, or -1 after `limitMs`.
double WaitUntil(const std::function<bool()>& ready, double start, double limitMs = 60000) {
    while (Now() - start < limitMs) {
        if (ready())
            return Now() - start;
        ::Sleep(1);
    }
    return -1;
}

struct Started {
    PROCESS_INFORMATION info{};
    double startTime = 0;
    ~Started() {
        if (info.hProcess) {
            ::TerminateProcess(info.hProcess, 1);
            ::CloseHandle(info.hProcess);
            ::CloseHandle(info.hThread);
        }
    }
};

bool Start(const std::wstring& program, Started& started, const std::wstring& arguments = {}) {
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    std::wstring commandLine = L"\"" + program + L"\"";
    if (!arguments.empty())
        commandLine += L" " + arguments;
    std::wstring folder = program.substr(0, program.find_last_of(L'\\'));
    started.startTime = Now();
    return ::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                            &si, &started.info) != 0;
}

void CloseAndWait(Started& started, const wchar_t* windowClass) {
    if (HWND window = ::FindWindowW(windowClass, nullptr))
        ::PostMessageW(window, WM_CLOSE, 0, 0);
    if (::WaitForSingleObject(started.info.hProcess, 20000) != WAIT_OBJECT_0)
        ::TerminateProcess(started.info.hProcess, 1);
}

HWND VisibleWindow(const wchar_t* windowClass) {
    HWND window = ::FindWindowW(windowClass, nullptr);
    return window && ::IsWindowVisible(window) ? window : nullptr;
}

double Median(std::vector<double> values) {
    if (values.empty())
        return -1;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double Worst(const std::vector<double>& values) {
    return values.empty() ? -1 : *std::max_element(values.begin(), values.end());
}

std::set<DWORD> GameProcesses() {
    std::set<DWORD> ids;
    pp::win32::UniqueFileHandle snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = ::Process32FirstW(snapshot.Get(), &entry); more; more = ::Process32NextW(snapshot.Get(), &entry))
        if (::lstrcmpiW(entry.szExeFile, L"fifa09.exe") == 0)
            ids.insert(entry.th32ProcessID);
    return ids;
}

// Waits up to 5 s for a fifa09.exe that is not in `before`; its id, or 0. A start takes well under a
// second, so a click that started nothing is given up soon and not counted.
DWORD WaitForNewGame(const std::set<DWORD>& before, double start, double& elapsed) {
    DWORD found = 0;
    elapsed = WaitUntil(
        [&] {
            for (DWORD id : GameProcesses())
                if (!before.count(id)) {
                    found = id;
                    return true;
                }
            return false;
        },
        start, 5000);
    return found;
}

void EndProcess(DWORD id) {
    pp::win32::UniqueKernelHandle process(::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id));
    if (process) {
        ::TerminateProcess(process.Get(), 0);
        ::WaitForSingleObject(process.Get(), 10000);
    }
}

void ClickAtCentre(HWND control) {
    RECT r;
    ::GetWindowRect(control, &r);
    ::SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    INPUT inputs[2]{};
    inputs[0].type = inputs[1].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ::SendInput(2, inputs, sizeof(INPUT));
}

void PressF12() {
    INPUT inputs[2]{};
    inputs[0].type = inputs[1].type = INPUT_KEYBOARD;
    inputs[0].ki.wVk = inputs[1].ki.wVk = VK_F12;
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(2, inputs, sizeof(INPUT));
}

SIZE_T WorkingSet(HANDLE process) {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    ::GetProcessMemoryInfo(process, &counters, sizeof(counters));
    return counters.WorkingSetSize;
}

bool CopyFolder(const std::wstring& from, const std::wstring& to) {
    std::wstring source = from + L"\\*" + L'\0';
    std::wstring target = to + L'\0';
    ::CreateDirectoryW(to.c_str(), nullptr);
    SHFILEOPSTRUCTW op{};
    op.wFunc = FO_COPY;
    op.pFrom = source.c_str();
    op.pTo = target.c_str();
    op.fFlags = FOF_NO_UI;
    return ::SHFileOperationW(&op) == 0;
}

void WriteBytes(const std::wstring& path, const std::string& bytes) {
    pp::win32::UniqueFileHandle file(
        ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    ::WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

std::string LargeList(int count, const char* stem) {
    std::string text;
    unsigned x = 777;
    for (int i = 0; i < count; ++i) {
        x = x * 1103515245u + 12345u;
        text += std::string(x & 0x100 ? "Club " : "club ") + std::to_string(x % 1000003) + " " + stem + "," +
                std::to_string(i) + "\r\n";
    }
    return text;
}

// The keep box checked, so a start writes user.ini, as the figure asks.
void KeepUserIni() {
    HKEY key = nullptr;
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\KWTR\\09PP", 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                          nullptr) == ERROR_SUCCESS) {
        ::RegSetValueExW(key, L"c2", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"1"), 2 * sizeof(wchar_t));
        ::RegCloseKey(key);
    }
}

struct StartUpFigures {
    std::vector<double> tool, bare;
    std::vector<double> controls;   // the bare window with the main window's controls
    std::vector<double> firstOpen;  // the home team box opened for the first time
    SIZE_T toolWorkingSet = 0, bareWorkingSet = 0, controlsWorkingSet = 0;
};

// Starts a program, records how long it took until `ready` held and its working set once settled,
// and closes it again.
void MeasureOneStart(const std::wstring& program,
                     const wchar_t* windowClass,
                     const std::function<bool()>& ready,
                     std::vector<double>& times,
                     SIZE_T& workingSet,
                     const std::function<void()>& whileRunning = {}) {
    Started s;
    if (!Start(program, s))
        return;
    // Ready also means idle: the window has drawn itself and waits for input.
    double t = WaitUntil([&] { return ready() && ::WaitForInputIdle(s.info.hProcess, 0) == 0; }, s.startTime);
    if (t >= 0)
        times.push_back(t);
    ::Sleep(300);
    workingSet = std::max(workingSet, WorkingSet(s.info.hProcess));
    if (t >= 0 && whileRunning)
        whileRunning();
    CloseAndWait(s, windowClass);
}

StartUpFigures MeasureStartUp(const std::wstring& game, int teams, int runs) {
    const std::wstring tool = game + L"\\KWTR\\PP09\\PitchPilot.exe";
    const std::wstring bare = ProgramFolder() + L"\\bare_window.exe";
    StartUpFigures figures;
    const std::wstring controls = ProgramFolder() + L"\\bare_controls.exe";
    auto bareReady = [] { return VisibleWindow(L"PitchPilot.BareWindow") != nullptr; };
    auto controlsReady = [] { return VisibleWindow(L"PitchPilot.BareControls") != nullptr; };
    // A long list waits in the tool until its box is first used; the closed box shows one item.
    const LRESULT shown = teams > 2000 ? 1 : teams;
    auto toolReady = [&] {
        HWND window = VisibleWindow(L"PitchPilot.Form1");
        return window && ::SendDlgItemMessageW(window, pp::IDC_Combo1, CB_GETCOUNT, 0, 0) == shown;
    };
    for (int run = 0; run < runs; ++run) {
        MeasureOneStart(bare, L"PitchPilot.BareWindow", bareReady, figures.bare, figures.bareWorkingSet);
        MeasureOneStart(controls, L"PitchPilot.BareControls", controlsReady, figures.controls,
                        figures.controlsWorkingSet);
        MeasureOneStart(tool, L"PitchPilot.Form1", toolReady, figures.tool, figures.toolWorkingSet, [&] {
            // Opening the box is one message, answered once the list is in it.
            const HWND box = ::GetDlgItem(VisibleWindow(L"PitchPilot.Form1"), pp::IDC_Combo1);
            const double t0 = Now();
            ::SendMessageW(box, CB_SHOWDROPDOWN, TRUE, 0);
            const double opened = Now() - t0;
            if (::SendMessageW(box, CB_GETCOUNT, 0, 0) == teams)
                figures.firstOpen.push_back(opened);
            ::SendMessageW(box, CB_SHOWDROPDOWN, FALSE, 0);
        });
    }
    return figures;
}

void Report(const char* what, const std::vector<double>& tool, const std::vector<double>& floor) {
    std::printf("%-44s tool %8.1f ms   floor %8.1f ms   ratio %5.2f   (medians of %zu)\n", what, Median(tool),
                Median(floor), Median(floor) > 0 ? Median(tool) / Median(floor) : 0.0, tool.size());
}

// Start clicks and F12 presses, with the tool running on the demo folder `small`.
void MeasureStartClicksAndF12(const std::wstring& small, const std::wstring& tool, int runs) {
    Started toolProcess;
    const std::wstring game = small + L"\\fifa09.exe";
    if (!Start(tool, toolProcess) ||
        WaitUntil([] { return VisibleWindow(L"PitchPilot.Form1") != nullptr; }, toolProcess.startTime) < 0) {
        std::fprintf(stderr, "the tool did not start\n");
        return;
    }
    Started bareProcess;
    if (!Start(ProgramFolder() + L"\\bare_controls.exe", bareProcess, small) ||
        WaitUntil([] { return VisibleWindow(L"PitchPilot.BareControls") != nullptr; }, bareProcess.startTime) < 0) {
        std::fprintf(stderr, "the bare controls did not start\n");
        return;
    }
    ::Sleep(500);
    HWND main = VisibleWindow(L"PitchPilot.Form1");
    HWND startButton = ::GetDlgItem(main, pp::IDC_FBU_2);
    HWND bare = VisibleWindow(L"PitchPilot.BareControls");
    HWND bareButton = ::GetDlgItem(bare, pp::IDC_FBU_2);
    // Below the tool's window, so neither window covers the other's button.
    RECT mainRect{};
    ::GetWindowRect(main, &mainRect);
    ::SetWindowPos(bare, nullptr, mainRect.left, mainRect.bottom + 10, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    std::vector<double> clickToGame, bareLaunch, bareClick, f12ToGone;
    const int presses = std::max(50, runs);
    for (int i = 0; i < presses; ++i) {
        double elapsed = -1;
        // The floor: the stand-in game started straight from here.
        std::set<DWORD> before = GameProcesses();
        double t0 = Now();
        ::ShellExecuteW(nullptr, nullptr, game.c_str(), L"  AUDIO=1", small.c_str(), SW_SHOWNORMAL);
        if (DWORD id = WaitForNewGame(before, t0, elapsed)) {
            bareLaunch.push_back(elapsed);
            EndProcess(id);
        }
        // The ended game's window may still be on the display for a moment, over the button.
        ::Sleep(300);
        // The second floor: a click on a plain button that starts the game the same way.
        before = GameProcesses();
        ::SetForegroundWindow(bare);
        t0 = Now();
        ClickAtCentre(bareButton);
        if (DWORD id = WaitForNewGame(before, t0, elapsed)) {
            bareClick.push_back(elapsed);
            EndProcess(id);
        }
        ::Sleep(300);
        // The tool: a click on its start button.
        before = GameProcesses();
        ::SetForegroundWindow(main);
        t0 = Now();
        ClickAtCentre(startButton);
        DWORD id = WaitForNewGame(before, t0, elapsed);
        if (!id)
            continue;
        clickToGame.push_back(elapsed);
        ::Sleep(200 + (i * 37) % 150);  // presses fall anywhere in the watcher's period
        pp::win32::UniqueKernelHandle gameProcess(::OpenProcess(SYNCHRONIZE, FALSE, id));
        t0 = Now();
        PressF12();
        if (gameProcess && ::WaitForSingleObject(gameProcess.Get(), 5000) == WAIT_OBJECT_0)
            f12ToGone.push_back(Now() - t0);
        else
            EndProcess(id);
    }
    Report("start click to game process running", clickToGame, bareLaunch);
    Report("  the same against a click on a bare button", clickToGame, bareClick);
    std::printf("%-44s median %6.1f ms   worst %6.1f ms   (%zu presses)\n", "F12 to game process gone",
                Median(f12ToGone), Worst(f12ToGone), f12ToGone.size());
    CloseAndWait(toolProcess, L"PitchPilot.Form1");
    CloseAndWait(bareProcess, L"PitchPilot.BareControls");
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: launch_bench DEMO_GAME_FOLDER [RUNS]\n");
        return 2;
    }
    const std::wstring demo = argv[1];
    const int runs = argc > 2 ? _wtoi(argv[2]) : 7;
    const bool startUpOnly = argc > 3 && std::wstring(argv[3]) == L"start-up";
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    const std::wstring work = std::wstring(temp) + L"pp bench " + std::to_wstring(::GetCurrentProcessId());
    const std::wstring small = work + L"\\demo", large = work + L"\\large";
    ::CreateDirectoryW(work.c_str(), nullptr);
    if (!CopyFolder(demo, small) || !CopyFolder(demo, large)) {
        std::fprintf(stderr, "could not copy the demo game folder\n");
        return 1;
    }
    constexpr int kLargeCount = 100000;
    WriteBytes(large + L"\\KWTR\\teams.ini", LargeList(kLargeCount, "Town"));
    WriteBytes(large + L"\\KWTR\\stads.ini", LargeList(kLargeCount, "Park"));

    // The demo team list: one record a line.
    int demoTeams = 0;
    {
        pp::win32::UniqueFileHandle file(::CreateFileW((small + L"\\KWTR\\teams.ini").c_str(), GENERIC_READ,
                                                       FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
        char buffer[65536];
        DWORD read = 0;
        ::ReadFile(file.Get(), buffer, sizeof(buffer), &read, nullptr);
        for (DWORD i = 0; i + 1 < read; ++i)
            demoTeams += buffer[i] == '\r' && buffer[i + 1] == '\n';
    }

    KeepUserIni();
    StartUpFigures demoFigures = MeasureStartUp(small, demoTeams, runs);
    Report("start-up, demo lists", demoFigures.tool, demoFigures.bare);
    Report("  the same against the bare controls", demoFigures.tool, demoFigures.controls);
    StartUpFigures largeFigures = MeasureStartUp(large, kLargeCount, std::max(3, runs / 2));
    Report("start-up, 100,000 teams and stadiums", largeFigures.tool, largeFigures.bare);
    Report("  the same against the bare controls", largeFigures.tool, largeFigures.controls);
    std::printf("%-44s median %6.1f ms   (%zu openings)\n", "first opening of a box of 100,000 teams",
                Median(largeFigures.firstOpen), largeFigures.firstOpen.size());
    std::printf("%-44s tool %8.1f MiB  floor %8.1f MiB  ratio %5.2f\n", "working set after start-up (demo lists)",
                demoFigures.toolWorkingSet / 1048576.0, demoFigures.bareWorkingSet / 1048576.0,
                demoFigures.bareWorkingSet ? double(demoFigures.toolWorkingSet) / demoFigures.bareWorkingSet : 0.0);
    std::printf(
        "%-44s tool %8.1f MiB  floor %8.1f MiB  ratio %5.2f\n", "  the same against the bare controls",
        demoFigures.toolWorkingSet / 1048576.0, demoFigures.controlsWorkingSet / 1048576.0,
        demoFigures.controlsWorkingSet ? double(demoFigures.toolWorkingSet) / demoFigures.controlsWorkingSet : 0.0);

    const std::wstring tool = small + L"\\KWTR\\PP09\\PitchPilot.exe";
    if (!startUpOnly)
        MeasureStartClicksAndF12(small, tool, runs);

    WIN32_FILE_ATTRIBUTE_DATA data{};
    ::GetFileAttributesExW(tool.c_str(), GetFileExInfoStandard, &data);
    std::printf("%-44s %.2f MB\n", "size of PitchPilot.exe", data.nFileSizeLow / 1e6);

    std::wstring remove = work + L'\0';
    SHFILEOPSTRUCTW op{};
    op.wFunc = FO_DELETE;
    op.pFrom = remove.c_str();
    op.fFlags = FOF_NO_UI;
    ::SHFileOperationW(&op);
    return 0;
}
