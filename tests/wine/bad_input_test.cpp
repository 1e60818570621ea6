#include <gtest/gtest.h>

#include <windows.h>

#include <tlhelp32.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/main_window_win32.h"
#include "app/startup.h"
#include "app/wiring.h"
#include "config/launcher.h"
#include "config/picture_loader_win32.h"
#include "config/profile_writer_win32.h"
#include "config/save_command.h"
#include "files/file_system_win32.h"
#include "model/control_ids.h"
#include "model/form1.h"
#include "process/key_state_win32.h"
#include "process/mmshut_win32.h"
#include "shell/shell_opener_win32.h"
#include "state/registry_settings_store_win32.h"
#include "state/saved_state.h"
#include "tests/native/support/fakes.h"
#include "tests/wine/support/child_process.h"
#include "tests/wine/support/folder_copy.h"
#include "tests/wine/support/game_folder.h"
#include "tests/wine/support/game_report.h"
#include "tests/wine/support/picture_files.h"
#include "tests/wine/support/program_windows.h"
#include "tests/wine/support/registry_test_key.h"
#include "tests/wine/support/temp_folder.h"
#include "win32/handles.h"
#include "win32/text.h"

namespace pp {
namespace {

using win32::Narrow;
using win32::Widen;

constexpr const char* kConfigurationFiles[] = {"common.ini", "locale.ini", "sku.ini", "situation.ini"};

std::string ConfigurationContents(const std::string& name) {
    return "[" + name + "]\r\nKEY=value of " + name + "\r\n";
}

std::string Upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::toupper(c); });
    return text;
}

// A file's bytes as a listing shows them: whole when short, otherwise by size and checksum.
std::string Summary(const std::string& bytes) {
    if (bytes.size() <= 256)
        return bytes;
    uint64_t hash = 14695981039346656037ull;
    for (char c : bytes)
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    return std::to_string(bytes.size()) + " bytes, checksum " + std::to_string(hash);
}

// Every file and folder below `folder`, by relative path: a file with its bytes, a folder as
// "<folder>".
std::map<std::string, std::string> Contents(const std::string& folder) {
    std::map<std::string, std::string> out;
    test::VisitFolder(folder, [&](const std::string& relative, bool isFolder) {
        std::string bytes;
        if (isFolder)
            out[relative] = "<folder>";
        else
            out[relative] = test::ReadFile(folder + "\\" + relative, bytes) ? Summary(bytes) : "<unreadable>";
    });
    return out;
}

// A file held open by another program that shares it with no one, for one scope.
class HeldOpen {
  public:
    explicit HeldOpen(const std::string& path)
        : file_(::CreateFileW(Widen(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr)) {}
    bool Held() const { return file_.Valid(); }

  private:
    win32::UniqueFileHandle file_;
};

// Starts a program of the Unix side of Wine (an ELF file, which Wine runs as it is). Wine gives
// no handle that tells when it has ended: the caller waits for its effect.
void StartUnixProgram(const std::wstring& program, const std::wstring& arguments) {
    std::wstring commandLine = L"\"" + program + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION started{};
    if (!::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &started))
        return;
    win32::UniqueKernelHandle process(started.hProcess);
    win32::UniqueKernelHandle thread(started.hThread);
}

// Polls until `holds` or the time is up; whether it held.
bool WaitUntil(const std::function<bool()>& holds) {
    constexpr ULONGLONG kLongestWaitMs = 20000;  // a slow machine only makes a failing test skip later
    const ULONGLONG deadline = ::GetTickCount64() + kLongestWaitMs;
    while (!holds()) {
        if (::GetTickCount64() > deadline)
            return false;
        ::Sleep(10);
    }
    return true;
}

// A folder nobody may add files to or delete files from, for one scope. Windows does that with the
// folder's access rights, which Wine does not enforce; Wine honours the rights of the Unix folder
// behind it, so the protection is made there: no write permission, and, since the superuser
// passes over permissions, the immutable flag where the file system has one. Protected() tells
// whether it took.
class WriteProtectedFolder {
  public:
    explicit WriteProtectedFolder(std::string folder) : folder_(std::move(folder)) {
        using UnixName = char*(CDECL*)(const wchar_t*);
        auto unixName = reinterpret_cast<UnixName>(
            reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
        if (!unixName)
            return;
        if (char* name = unixName(Widen(folder_).c_str())) {
            unixFolder_ = Widen(name);
            ::HeapFree(::GetProcessHeap(), 0, name);
        }
        if (unixFolder_.empty())
            return;
        StartUnixProgram(L"Z:\\bin\\chmod", L"a-w \"" + unixFolder_ + L"\"");
        StartUnixProgram(L"Z:\\usr\\bin\\chattr", L"+i \"" + unixFolder_ + L"\"");
        protected_ = WaitUntil([this] { return RefusesNewFiles(); });
    }
    // The folder must be writable again before it can be removed.
    ~WriteProtectedFolder() {
        if (unixFolder_.empty())
            return;
        StartUnixProgram(L"Z:\\usr\\bin\\chattr", L"-i \"" + unixFolder_ + L"\"");
        StartUnixProgram(L"Z:\\bin\\chmod", L"u+w \"" + unixFolder_ + L"\"");
        EXPECT_TRUE(WaitUntil([this] { return CanAddAFile(); })) << "the folder stays write-protected";
        // A probe made just before the protection took could not be deleted while it held.
        for (int i = 1; i <= probes_; ++i)
            ::DeleteFileW(ProbePath(i).c_str());
    }
    WriteProtectedFolder(const WriteProtectedFolder&) = delete;
    WriteProtectedFolder& operator=(const WriteProtectedFolder&) = delete;

    bool Protected() const { return protected_; }

  private:
    // Each probe has a name of its own, so that one still being deleted cannot pass for a refusal;
    // only a refusal of access counts as one.
    bool CanAddAFile() { return Probe() == ERROR_SUCCESS; }
    bool RefusesNewFiles() { return Probe() == ERROR_ACCESS_DENIED; }
    DWORD Probe() {
        win32::UniqueFileHandle file(::CreateFileW(ProbePath(++probes_).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                                   FILE_FLAG_DELETE_ON_CLOSE, nullptr));
        return file ? ERROR_SUCCESS : ::GetLastError();
    }
    std::wstring ProbePath(int n) const { return Widen(folder_ + "\\probe " + std::to_string(n) + ".tmp"); }

    std::string folder_;
    std::wstring unixFolder_;
    bool protected_ = false;
    int probes_ = 0;
};

// How many copies of the game of `gameFolder` are running now.
int GamesRunningFrom(const std::string& gameFolder) {
    const std::wstring game = Widen(gameFolder + "\\fifa09.exe");
    win32::UniqueFileHandle snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    int count = 0;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = ::Process32FirstW(snapshot.Get(), &entry); more; more = ::Process32NextW(snapshot.Get(), &entry)) {
        win32::UniqueKernelHandle process(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, entry.th32ProcessID));
        wchar_t path[32768];
        DWORD size = 32768;
        if (process && ::QueryFullProcessImageNameW(process.Get(), 0, path, &size) &&
            ::CompareStringOrdinal(path, static_cast<int>(size), game.c_str(), -1, TRUE) == CSTR_EQUAL)
            ++count;
    }
    return count;
}

// Runs of the tool's model with the real services of Windows on a game folder of the test's own,
// whose path holds blanks and letters outside the system code page. The settings store sits
// below a test key, so the tool's real key is never touched; only the program's host (its folder,
// lock and fatal message) and the window frame are stand-ins. The game folder lies alone in a
// folder of the test, so that anything written beside it shows.
class BadInput : public testing::Test {
  protected:
    BadInput() {
        Write("KWTR\\teams.ini", "Alpha,5\r\nBeta,7\r\nGamma,9\r\n");
        Write("KWTR\\stads.ini", "North Bank,10\r\n");
        Write("data\\fifa.fat", "");
        Write("data\\cmn\\fifa.db", "");
        for (const char* name : kConfigurationFiles)
            Write(name, ConfigurationContents(name));
        test::MakeFolders(At("KWTR\\PP09"));
        EXPECT_TRUE(test::CopyFileTo(test::ProgramFolder() + "\\fifa09.exe", At("fifa09.exe")));
        host.programFolder = At("KWTR\\PP09");
        realKeyExisted = test::RegistryKeyExists(L"Software\\KWTR");
        wchar_t windows[MAX_PATH];
        const UINT length = ::GetWindowsDirectoryW(windows, MAX_PATH);
        systemUserIni = Narrow(std::wstring(windows, length)) + "\\user.ini";
        systemUserIniExisted = test::FileExists(systemUserIni);
    }

    // Nothing is written beside the game folder, in the system folder (where the profile writer
    // puts a bare file name) or in the tool's real registry key.
    void TearDown() override {
        for (const auto& [path, _] : Contents(box.Path()))
            EXPECT_EQ(path.substr(0, kGameName.size()), kGameName) << path;
        EXPECT_EQ(test::FileExists(systemUserIni), systemUserIniExisted);
        EXPECT_EQ(test::RegistryKeyExists(L"Software\\KWTR"), realKeyExisted);
    }

    std::string Root() const { return game + "\\"; }
    std::string At(const std::string& relative) const { return game + "\\" + relative; }
    void Write(const std::string& relative, const std::string& bytes) const { test::WriteFile(At(relative), bytes); }
    std::string Read(const std::string& relative) const {
        std::string bytes;
        return test::ReadFile(At(relative), bytes) ? bytes : "<missing>";
    }
    void Store(const std::string& key, const std::string& value) {
        ASSERT_TRUE(settings.Save(kSettingsApplication, kSettingsSection, key, value));
    }
    std::optional<std::string> Stored(const std::string& key) {
        return settings.Get(kSettingsApplication, kSettingsSection, key);
    }

    std::unique_ptr<Form1> Start() {
        auto form = std::make_unique<Form1>(os);
        WireHandlers(*form);
        try {
            form->Load();
        } catch (const ProgramEnded&) {
            ADD_FAILURE() << "the start-up ended the program";
        }
        return form;
    }

    // Each configuration file is in its bak_ copy and nowhere else, with its contents.
    void ExpectConfigurationMovedAside() const {
        for (const char* name : kConfigurationFiles) {
            EXPECT_EQ(Read(name), "<missing>") << name;
            EXPECT_EQ(Read(std::string("bak_") + name), ConfigurationContents(name)) << name;
        }
    }

    const std::string kGameName = "game \xE6\x97\xA5\xE6\x9C\xAC \xCE\xA9";
    test::TempFolder box{"pp bad input"};
    std::string game = box / kGameName;
    test::GameReaper reaper{game};  // after the folder: the games end before it goes
    test::RegistryTestKey base;
    bool realKeyExisted = false;
    std::string systemUserIni;
    bool systemUserIniExisted = false;

    win32::WindowsFileSystem files;
    FakeHost host;
    win32::RegistrySettingsStore settings{base.Path()};
    win32::WindowsProfileWriter profile;
    win32::WindowsShellOpener shell;
    win32::ToolhelpProcessTable processes;
    win32::WindowsKeyState keys;
    win32::GdiplusPictureLoader pictures;  // also keeps GDI+ running for the test's own pictures
    RecordingWindow window;
    Os os{files, host, settings, profile, shell, processes, keys, pictures, window};
};

TEST_F(BadInput, AGameFolderOutsideTheCodePageWorksFromStartToExit) {
    BOOL lossy = FALSE;
    const std::wstring name = Widen(kGameName);
    ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, name.c_str(), static_cast<int>(name.size()), nullptr, 0,
                          nullptr, &lossy);
    ASSERT_TRUE(lossy) << "the system code page holds every letter of the folder's name";
    ASSERT_TRUE(test::WritePictureFile(At("data\\easo\\fifa\\images\\logos\\logo5.jpg"), 72, 72,
                                       test::PictureFormat::Jpeg, [](int, int) { return 0xFFFF0000u; }));
    Store("c2", "1");
    Store("c10", "1");

    auto form = Start();
    ExpectConfigurationMovedAside();
    EXPECT_EQ(form->slots.Read(50), "HOME_TEAM=5");
    ASSERT_NE(form->P_LOAD.Picture(), nullptr) << "the logo was read from the game folder";
    EXPECT_EQ(form->P_LOAD.Picture()->width, 72);

    RunStartCommand(*form);
    const std::vector<test::GameReport> reports = test::WaitForGameReports(game, 1);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(Upper(reports[0].workingFolder + "\\"), Upper(Root()));
    EXPECT_NE(reports[0].commandLine.find(" OPTIONS/BOOKINGS=1 "), std::string::npos);
    ASSERT_TRUE(reports[0].userIni.has_value());
    EXPECT_NE(reports[0].userIni->find("BOOKINGS=1"), std::string::npos);

    form->Check2.SetValue(0);
    form->Unload();
    EXPECT_EQ(Read("user.ini"), "<missing>");
    EXPECT_EQ(Stored("c10"), "1");
}

// The program itself, installed in that folder and started from elsewhere: it finds its game root
// from its own location, moves the configuration files aside, shows the teams and ends cleanly.
TEST_F(BadInput, PitchPilotRunsFromAGameFolderOutsideTheCodePage) {
    const std::string tool = At("KWTR\\PP09\\PitchPilot.exe");
    ASSERT_TRUE(test::CopyFileTo(test::ProgramFolder() + "\\PitchPilot.exe", tool));
    {
        test::FreshToolSettings fresh;
        test::ChildProcess run(tool, "", test::ProgramFolder());
        const HWND window = test::WaitForTopWindow(run.Id(), win32::kForm1ClassName);
        ASSERT_NE(window, nullptr);
        ExpectConfigurationMovedAside();
        EXPECT_EQ(::SendMessageW(::GetDlgItem(window, IDC_Combo1), CB_GETCOUNT, 0, 0), 3);
        ::PostMessageW(window, WM_CLOSE, 0, 0);
        EXPECT_EQ(run.WaitForExit(30000), 0u);
    }
    // The run stored its state under the tool's own key, which the test leaves as it found it.
    if (!realKeyExisted)
        ::RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\KWTR");
}

// The tool does not refuse big list files: they load whole and the start-up runs to its end. How
// long that takes is measured by hand; no test here waits on the clock.
TEST_F(BadInput, ListFilesOfTwentyMegabytesAndALineOfOneMegabyteLoad) {
    constexpr int kTeams = 20 * 1024 * 1024 / 22 + 1;  // "Team 0000000,0000000\r\n" is 22 bytes
    std::string teams;
    teams.reserve(static_cast<size_t>(kTeams) * 22);
    char line[32];
    for (int i = 0; i < kTeams; ++i) {
        const int n = static_cast<int>((static_cast<long long>(i) * 7919) % kTeams);  // not in sorted order
        std::snprintf(line, sizeof(line), "Team %07d,%07d\r\n", n, n);
        teams += line;
    }
    ASSERT_GE(teams.size(), 20u * 1024 * 1024);
    Write("KWTR\\teams.ini", teams);
    const std::string longName(1 << 20, 'S');
    Write("KWTR\\stads.ini", longName + ",7\r\n");

    const ULONGLONG started = ::GetTickCount64();
    auto form = Start();
    RecordProperty("start_up_ms", static_cast<int>(::GetTickCount64() - started));
    EXPECT_EQ(form->List1.List().Count(), kTeams);
    EXPECT_EQ(form->Combo1.List().Count(), kTeams);
    EXPECT_EQ(form->Combo1.Text(), "Team 0000000");
    EXPECT_EQ(form->slots.Read(50), "HOME_TEAM=0000000");
    EXPECT_EQ(form->Combo5.List().Items(), std::vector<std::string>{longName});
    EXPECT_EQ(form->slots.Read(54), "STADIUM=7");
    ExpectConfigurationMovedAside();

    form->Combo2.UserPick(kTeams - 1);
    EXPECT_EQ(form->slots.Read(51), "AWAY_TEAM=" + std::to_string(kTeams - 1 + 10000000).substr(1));
    form->Unload();
    EXPECT_EQ(Stored("cb2"), std::to_string(kTeams - 1));
}

// Through the real file system and the ANSI code page: each list file loads as far as it goes,
// and the start-up goes on to move the configuration files and restore the state.
TEST_F(BadInput, ListFilesThatAreEmptyBinaryLfOnlyOrHeldOpen) {
    std::string everyByte;
    for (int b = 0; b < 256; ++b)
        everyByte += static_cast<char>(b);
    struct Case {
        const char* what;
        std::string bytes;
        bool heldOpen;
        int names;
    };
    const std::vector<Case> cases = {
        {"empty", "", false, 0},
        {"binary: every byte value, twice", everyByte + "\r\n" + everyByte, false, 2},
        {"LF line ends", "Alpha,5\nBeta,7\nGamma,9\n", false, 1},
        {"held open by another program", "Alpha,5\r\nBeta,7\r\n", true, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Write("KWTR\\teams.ini", c.bytes);
        HeldOpen other(c.heldOpen ? At("KWTR\\teams.ini") : std::string());
        ASSERT_EQ(other.Held(), c.heldOpen);
        auto form = Start();
        EXPECT_EQ(form->Combo1.List().Count(), c.names);
        EXPECT_EQ(form->Combo2.List().Count(), c.names);
        EXPECT_EQ(form->slots.Read(50), "") << "no record gives an id the game could take";
        EXPECT_EQ(form->slots.Read(54), "STADIUM=10") << "the other list file is not affected";
        ExpectConfigurationMovedAside();
        form->Unload();
    }
    EXPECT_EQ(Read("KWTR\\teams.ini"), "Alpha,5\r\nBeta,7\r\n");
}

// A user.ini that stays in place when deleted is left exactly as it is, by the save and by the
// exit; the game still gets every directive on its command line.
TEST_F(BadInput, UserIniThatIsReadOnlyHeldOpenOrAFolderIsLeftAsItIs) {
    const std::string before = "[OPTIONS]\r\nBOOKINGS=0\r\n; the player's own\r\n";
    struct Case {
        const char* what;
        std::function<void()> prepare;
        std::function<void()> release;
        std::map<std::string, std::string> userIniEntries;  // what the game folder holds of it
    };
    std::unique_ptr<HeldOpen> held;
    const std::wstring userIni = Widen(At("user.ini"));
    const std::vector<Case> cases = {
        {"read-only",
         [&] {
             Write("user.ini", before);
             ::SetFileAttributesW(userIni.c_str(), FILE_ATTRIBUTE_READONLY);
         },
         [&] { ::SetFileAttributesW(userIni.c_str(), FILE_ATTRIBUTE_NORMAL); },
         {{"user.ini", before}}},
        {"held open by another program",
         [&] {
             Write("user.ini", before);
             held = std::make_unique<HeldOpen>(At("user.ini"));
         },
         [&] { held.reset(); },
         {{"user.ini", before}}},
        {"a folder",
         [&] {
             test::MakeFolders(At("user.ini"));
             Write("user.ini\\inside.txt", before);
         },
         [] {},
         {{"user.ini", "<folder>"}, {"user.ini\\inside.txt", before}}},
    };
    Start()->Unload();  // the configuration files are moved aside once, before the cases
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::map<std::string, std::string> expected = Contents(game);
        expected.insert(c.userIniEntries.begin(), c.userIniEntries.end());
        Store("c2", "1");
        Store("c10", "0");
        c.prepare();
        auto form = Start();
        form->Check10.UserClick();
        RunSaveCommand(*form);
        EXPECT_NE(form->Tx2.Text().find(" OPTIONS/BOOKINGS=1 "), std::string::npos) << "the game still gets it";
        form->Check2.SetValue(0);
        form->Unload();
        form.reset();
        c.release();
        EXPECT_EQ(Contents(game), expected);
        EXPECT_EQ(Stored("c10"), "1") << "the state is stored all the same";
        ::DeleteFileW(Widen(At("user.ini\\inside.txt")).c_str());
        ::RemoveDirectoryW(userIni.c_str());
        ::DeleteFileW(userIni.c_str());
    }
}

// A logo that cannot be shown leaves the picture that was there; the choice still counts.
TEST_F(BadInput, LogoThatIsEmptyCorruptOrHugeKeepsThePreviousPicture) {
    const std::string logos = "data\\easo\\fifa\\images\\logos\\";
    ASSERT_TRUE(test::WritePictureFile(At(logos + "logo5.jpg"), 72, 72, test::PictureFormat::Jpeg,
                                       [](int, int) { return 0xFF00FF00u; }));
    Write(logos + "logo7.jpg", "");
    Write(logos + "logo9.jpg", "\xFF\xD8\xFF\xE0 this is no picture");
    Write("KWTR\\teams.ini", "Alpha,5\r\nBeta,7\r\nGamma,9\r\nDelta,11\r\n");
    ASSERT_TRUE(test::WriteJpegDeclaring(At(logos + "logo11.jpg"), 20000, 20000));
    auto form = Start();
    ASSERT_EQ(form->Combo1.Text(), "Alpha");
    const PictureRef alpha = form->P_LOAD.Picture();
    ASSERT_NE(alpha, nullptr);

    for (const char* team : {"Beta", "Gamma", "Delta"}) {
        SCOPED_TRACE(team);
        form->TA.SetEnabled(false);
        form->Combo1.UserPick(FindInList(form->Combo1.List(), team, true, -1));
        EXPECT_EQ(form->Combo1.Text(), team);
        EXPECT_EQ(form->P_LOAD.Picture(), alpha);
        EXPECT_TRUE(form->TA.Enabled()) << "the fade runs all the same";
    }
    EXPECT_EQ(form->slots.Read(50), "HOME_TEAM=11");
    form->Unload();
}

// Windows takes a command line of 32,766 characters. A longer one is not handed to the system at
// all (Wine would cut it short and start the game with the end of its directives missing), while
// user.ini is written as always; one that fits exactly reaches the game whole.
TEST_F(BadInput, CheatTextTooLongForTheCommandLineStartsNoGame) {
    std::string cheat;
    char token[16];
    for (int i = 0; cheat.size() < 32000; ++i) {
        std::snprintf(token, sizeof(token), "K%d=1 ", 10000 + i);
        cheat += token;
    }
    cheat.resize(32000);
    Store("c2", "1");
    Store("YC", cheat);
    auto form = Start();
    ASSERT_EQ(form->TX1.Text(), cheat);

    RunStartCommand(*form);
    EXPECT_EQ(GamesRunningFrom(game), 0) << "a launch happens before the start command returns";
    EXPECT_EQ(form->TerminatorWindow().EXESHUT.Caption(), "fifa09.exe");
    const std::string userIni = Read("user.ini");
    EXPECT_NE(userIni.find("K10000=1"), std::string::npos);
    EXPECT_NE(userIni.find("K13554=1"), std::string::npos);
    EXPECT_NE(userIni.find("AUDIO=0"), std::string::npos);

    form->TX1.SetText("");
    RunSaveCommand(*form);  // the directive line of the starts below
    const size_t fixed = Widen(Root() + "fifa09.exe").size() + 3 + Widen(" " + form->Tx2.Text() + " ").size();
    const std::string fits = std::string(32766 - fixed - 1, 'x') + "\xE2\x82\xAC";  // the last one in UTF-16 too
    form->TX1.SetText(fits + "y");
    RunStartCommand(*form);
    EXPECT_EQ(GamesRunningFrom(game), 0);

    form->TX1.SetText(fits);
    RunStartCommand(*form);
    const std::vector<test::GameReport> reports = test::WaitForGameReports(game, 1);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(Widen(reports[0].commandLine).size(), 32766u);
    EXPECT_EQ(reports[0].commandLine.substr(reports[0].commandLine.size() - fits.size()), fits);
    form->Unload();
}

// A game folder nobody may write to: no bak_ copy can be made, so the configuration files stay
// where they are; user.ini cannot be written; nothing is lost and the state is still stored.
TEST_F(BadInput, ReadOnlyGameFolderKeepsItsFilesAsTheyAre) {
    Store("c2", "1");
    const std::map<std::string, std::string> was = Contents(game);
    {
        WriteProtectedFolder readOnly(game);
        if (!readOnly.Protected())
            GTEST_SKIP() << "this system offers no way to write-protect a folder for the test";
        const std::map<std::string, std::string> protectedWas = Contents(game);  // with any stray probe
        auto form = Start();
        form->Check10.UserClick();
        RunSaveCommand(*form);
        form->Check2.SetValue(0);
        form->Unload();
        EXPECT_EQ(Contents(game), protectedWas);
    }
    EXPECT_EQ(Contents(game), was);
    EXPECT_EQ(Stored("c10"), "1");
}

// Wine keeps the entries of an ini file in a cache and writes them out at its next chance; a write
// that failed must not turn up later, once the folder can be written again.
TEST_F(BadInput, AUserIniWriteThatFailedIsNotDoneLater) {
    {
        WriteProtectedFolder readOnly(game);
        if (!readOnly.Protected())
            GTEST_SKIP() << "this system offers no way to write-protect a folder for the test";
        EXPECT_FALSE(profile.WriteEntry("OPTIONS", "BOOKINGS", "1", At("user.ini")));
    }
    // Writing another ini file is such a chance.
    EXPECT_TRUE(profile.WriteEntry("S", "K", "V", At("KWTR\\other.ini")));
    EXPECT_EQ(Read("user.ini"), "<missing>");
}

// A bak_ copy that cannot be written over (read-only, or held open by another program) leaves
// its configuration file where it is; the others are moved aside as always.
TEST_F(BadInput, BakCopyThatCannotBeWrittenKeepsItsConfigurationFile) {
    Write("bak_common.ini", "old common");
    ::SetFileAttributesW(Widen(At("bak_common.ini")).c_str(), FILE_ATTRIBUTE_READONLY);
    Write("bak_sku.ini", "old sku");
    {
        HeldOpen other(At("bak_sku.ini"));
        ASSERT_TRUE(other.Held());
        auto form = Start();
        form->Unload();
    }
    EXPECT_EQ(Read("common.ini"), ConfigurationContents("common.ini"));
    EXPECT_EQ(Read("bak_common.ini"), "old common");
    EXPECT_EQ(Read("sku.ini"), ConfigurationContents("sku.ini"));
    EXPECT_EQ(Read("bak_sku.ini"), "old sku");
    for (const char* name : {"locale.ini", "situation.ini"}) {
        EXPECT_EQ(Read(name), "<missing>") << name;
        EXPECT_EQ(Read(std::string("bak_") + name), ConfigurationContents(name)) << name;
    }
    ::SetFileAttributesW(Widen(At("bak_common.ini")).c_str(), FILE_ATTRIBUTE_NORMAL);
}

// Values put into the tool's key by other hands, of every type and form: what the restore makes of
// each, and the next exit writes sound text values over them.
TEST_F(BadInput, StoredValuesOfEveryKindGiveADefinedState) {
    const std::wstring section = base.Path() + L"\\KWTR\\09PP";
    auto put = [&](const std::string& key, DWORD type, const void* data, size_t size) {
        HKEY created = nullptr;
        ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, section.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &created,
                                    nullptr),
                  ERROR_SUCCESS);
        win32::UniqueRegistryKey opened(created);
        ASSERT_EQ(::RegSetValueExW(opened.Get(), Widen(key).c_str(), 0, type, static_cast<const BYTE*>(data),
                                   static_cast<DWORD>(size)),
                  ERROR_SUCCESS);
    };
    auto text = [&](const std::string& key, const std::string& value) {
        const std::wstring wide = Widen(value);
        put(key, REG_SZ, wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
    };
    const DWORD one = 1, thirteen = 13, allBits = 0xFFFFFFFFu;
    const ULONGLONG qwordOne = 1;
    const BYTE binary[] = {1, 0, 0, 0};
    const wchar_t multi[] = L"1\0002\0";
    const std::string longCheat(32000, 'c');

    text("c2", "yes");          // not a number: the keep box keeps its design-time check
    text("c3", "-1");           // negative
    text("c4", "99999999999");  // huge
    text("c5", "");             // empty
    put("c7", REG_DWORD, &one, sizeof one);
    put("c8", REG_DWORD, &allBits, sizeof allBits);
    put("c9", REG_QWORD, &qwordOne, sizeof qwordOne);
    put("c10", REG_BINARY, binary, sizeof binary);  // no text: as if absent
    put("c11", REG_MULTI_SZ, multi, sizeof multi);
    put("c12", REG_NONE, nullptr, 0);
    put("c70", REG_EXPAND_SZ, L"1", sizeof(L"1"));
    text("c71", "0 5");  // a modifier its box could not hold
    put("c72", REG_DWORD, &thirteen, sizeof thirteen);
    text("cb1", "400");  // beyond the three teams
    text("cb3", "-1");
    text("cb6", "-5");
    text("cb8", "99999999999");
    put("cb9", REG_DWORD, &thirteen, sizeof thirteen);
    put("cb10", REG_BINARY, binary, sizeof binary);
    text("cb12", "");
    text("YC", longCheat);

    auto form = Start();
    struct Restored {
        const char* key;
        std::string control;   // what the control holds after the start-up
        std::string expected;  // design-time state, default, or the value read
    };
    const auto value = [](const CheckBox& box) { return std::to_string(box.Value()); };
    const auto index = [](const ComboBox& box) { return std::to_string(box.ListIndex()); };
    const std::vector<Restored> restored = {
        {"c2", value(form->Check2), "1"},    // no number: the design-time check stays
        {"c3", value(form->Check3), "0"},    // negative: refused
        {"c4", value(form->Check4), "0"},    // too big: refused
        {"c5", value(form->Check5), "0"},    // empty: refused
        {"c7", value(form->Check7), "1"},    // a number stored as a number
        {"c8", value(form->Check8), "0"},    // 4294967295: refused
        {"c9", value(form->Check9), "1"},    // a 64-bit number
        {"c10", value(form->Check10), "0"},  // binary: as if absent, the default
        {"c11", value(form->Check11), "0"},  // multi-string: as if absent
        {"c12", value(form->Check12), "0"},  // no type: as if absent
        {"c70", value(form->Check70), "1"},  // expandable text: read as it stands
        {"c71", form->ZMO.Text(), "0.5"},
        {"c72", form->HMO.Text(), "13"},
        {"cb1", index(form->Combo1), "-1"},  // beyond the list: no selection
        {"cb3", index(form->Combo3), "-1"},  // -1 is no selection
        {"cb6", index(form->Combo6), "-1"},  // below -1: refused
        {"cb8", index(form->Combo8), "-1"},  // too big: refused
        {"cb9", index(form->Combo9), "13"},
        {"cb10", index(form->Combo10), "0"},   // binary: as if absent, the first item
        {"cb12", index(form->Combo12), "-1"},  // empty: refused
        {"YC", std::to_string(form->TX1.Text().size()), "32000"},
    };
    for (const Restored& r : restored)
        EXPECT_EQ(r.control, r.expected) << r.key;
    // Every option check box has its directive, the lists their own or none.
    EXPECT_EQ(form->slots.Read(2), "AUDIO=0");
    EXPECT_EQ(form->slots.Read(9), "OPTIONS/BOOKINGS=0");
    EXPECT_EQ(form->slots.Read(50), "");
    EXPECT_EQ(form->slots.Read(51), "AWAY_TEAM=5");
    EXPECT_EQ(form->slots.Read(52), "");
    EXPECT_EQ(form->slots.Read(58), "OPTIONS/CAMERA=13");
    EXPECT_EQ(form->slots.Read(70), "CAMERA_BIG_ZOOM_MODIFIER=0.5");

    form->Unload();
    for (const char* key : {"c2", "c10", "c11", "c12", "c70", "c72", "cb9", "cb10", "YC"}) {
        DWORD type = REG_NONE;
        ::RegGetValueW(HKEY_CURRENT_USER, section.c_str(), Widen(key).c_str(), RRF_RT_ANY, &type, nullptr, nullptr);
        EXPECT_EQ(type, static_cast<DWORD>(REG_SZ)) << key;
    }
    EXPECT_EQ(Stored("c2"), "1");
    EXPECT_EQ(Stored("c10"), "0");
    EXPECT_EQ(Stored("cb1"), "-1");
    EXPECT_EQ(Stored("YC"), longCheat);
}

}  // namespace
}  // namespace pp
