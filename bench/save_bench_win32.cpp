// The save command with a large cheat text, under Wine with the real file system and profile
// writer: the time the window would be frozen while user.ini is written.
// Usage (scripts/bench runs it): save_bench.exe [CHARACTERS] [RUNS]

#include <windows.h>

#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/program_host_win32.h"
#include "app/wiring.h"
#include "config/game_files.h"
#include "config/picture_loader_win32.h"
#include "config/profile_writer_win32.h"
#include "config/save_command.h"
#include "files/file_system_win32.h"
#include "model/form1.h"
#include "process/key_state_win32.h"
#include "process/mmshut_win32.h"
#include "shell/shell_opener_win32.h"
#include "state/registry_settings_store_win32.h"
#include "win32/text.h"

namespace {

double Now() {
    LARGE_INTEGER f, t;
    ::QueryPerformanceFrequency(&f);
    ::QueryPerformanceCounter(&t);
    return 1000.0 * static_cast<double>(t.QuadPart) / static_cast<double>(f.QuadPart);
}

// A cheat text of about `characters` characters made of numbered tokens of one pattern.
std::string CheatText(size_t characters, const char* pattern) {
    std::string text;
    char token[64];
    for (int i = 0; text.size() < characters; ++i) {
        std::snprintf(token, sizeof(token), pattern, i);
        text += token;
        text += ' ';
    }
    return text;
}

std::string MakeGameFolder() {
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    const std::string root =
        pp::win32::Narrow(temp) + "pp save bench " + std::to_string(::GetCurrentProcessId()) + "\\";
    for (const char* folder : {"", "KWTR", "data", "data\\cmn"})
        ::CreateDirectoryW(pp::win32::Widen(root + folder).c_str(), nullptr);
    for (const char* file : pp::kRequiredFiles)
        pp::win32::UniqueFileHandle(::CreateFileW(pp::win32::Widen(root + file).c_str(), GENERIC_WRITE, 0, nullptr,
                                                  CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    return root;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const size_t characters = argc > 1 ? static_cast<size_t>(_wtoi(argv[1])) : 565000;
    const int runs = argc > 2 ? _wtoi(argv[2]) : 3;

    pp::win32::WindowsFileSystem files;
    pp::win32::WindowsProgramHost host(L"Local\\PitchPilot.SaveBench");
    pp::win32::RegistrySettingsStore settings;
    pp::win32::WindowsProfileWriter profile;
    pp::win32::WindowsShellOpener shell;
    pp::win32::ToolhelpProcessTable processes;
    pp::win32::WindowsKeyState keys;
    pp::win32::GdiplusPictureLoader pictures;
    struct : pp::WindowHost {
        void BeginDrag() override {}
        void Minimise() override {}
        void Close() override {}
    } window;
    pp::Os os{files, host, settings, profile, shell, processes, keys, pictures, window};
    pp::Form1 form(os);
    pp::WireHandlers(form);
    const std::string root = MakeGameFolder();
    form.LP.SetCaption(root);
    form.Check2.SetValue(1);

    const struct {
        const char* what;
        const char* pattern;
    } shapes[] = {
        {"the same directive again and again", "DEBUG_SHOOTOUT=%d"},
        {"distinct keys, no section", "KEY%06d=1"},
        {"distinct keys in one section", "OPTIONS/KEY%06d=1"},
        {"distinct sections", "S%06d/KEY=1"},
    };
    std::printf("save with a cheat text of %zu characters (median of %d):\n", characters, runs);
    for (const auto& shape : shapes) {
        form.TX1.SetText(CheatText(characters, shape.pattern));
        std::vector<double> times;
        for (int run = 0; run < runs; ++run) {
            const double start = Now();
            pp::RunSaveCommand(form);
            times.push_back(Now() - start);
        }
        std::sort(times.begin(), times.end());
        WIN32_FILE_ATTRIBUTE_DATA data{};
        ::GetFileAttributesExW(pp::win32::Widen(root + pp::kUserIni).c_str(), GetFileExInfoStandard, &data);
        std::printf("  %-40s %9.1f ms   user.ini %7.0f KB\n", shape.what, times[times.size() / 2],
                    data.nFileSizeLow / 1024.0);
        std::fflush(stdout);
    }
    std::wstring remove = pp::win32::Widen(root.substr(0, root.size() - 1)) + L'\0';
    SHFILEOPSTRUCTW op{};
    op.wFunc = FO_DELETE;
    op.pFrom = remove.c_str();
    op.fFlags = FOF_NO_UI;
    ::SHFileOperationW(&op);
    return 0;
}
