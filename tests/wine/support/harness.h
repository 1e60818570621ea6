#pragma once

// What the Wine tests and the end-to-end runs share: own files, started programs, a player's input.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "win32/handles.h"

namespace pp::test {

// A fresh temporary folder, removed at the end of the scope. Its name holds a blank and letters
// outside the code page, so every test that uses it also proves that such paths work.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    std::string operator/(const std::string& relative) const { return path_ + "\\" + relative; }

  private:
    std::string path_;
};

// Paths are UTF-8; the folder of a file written must exist.
void WriteFile(const std::string& path, const std::string& bytes);
std::optional<std::string> ReadFile(const std::string& path);
void MakeFolders(const std::string& path);
bool CopyFolder(const std::string& from, const std::string& to);
std::string ProgramFolder();  // the build's bin folder
// A handle that shares the file with no one, as another program's; none for an empty path.
win32::UniqueFileHandle HoldOpen(const std::string& path);

// Long enough for a loaded machine and a fresh Wine session; only what never happens waits so long.
inline constexpr uint32_t kLongWaitMs = 60000;

bool WaitUntil(const std::function<bool()>& done);

// A program of the test's, ended (exit code 1) if it still runs at the end of the scope.
class ChildProcess {
  public:
    // Starts the program in the working folder and waits until it takes input.
    // `bare`: by its path unquoted, blanks and all, as some launchers start it, and without waiting.
    ChildProcess(const std::string& program,
                 const std::string& folder,
                 const std::string& args = {},
                 bool bare = false);
    explicit ChildProcess(uint32_t id);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    uint32_t Id() const { return id_; }
    // Nothing while it runs.
    std::optional<uint32_t> WaitForExit(uint32_t milliseconds);

  private:
    win32::UniqueKernelHandle process_;
    uint32_t id_ = 0;
};

// How the stand-in game was started last, from fifa09.report.txt beside it (see demo/fifa09_win32.cpp),
// which is then removed, so that the next wait is for the next start.
struct GameReport {
    std::string commandLine;             // UTF-8
    std::string workingFolder;           // UTF-8
    std::optional<std::string> userIni;  // the bytes of user.ini; nothing when there was none
    std::unique_ptr<ChildProcess> game;  // so that no copy outlives the test that started it
};
std::optional<GameReport> WaitForGameReport(const std::string& gameFolder);

// The process's first visible top-level window of the class (and title), once it takes messages.
HWND WaitForTopWindow(uint32_t processId, const std::wstring& className, const std::wstring& title = {});
// By message, so that a control of another process tells it too.
std::wstring WindowText(HWND window);

// Input through the system's queue, as a player gives it, to whichever program's window gets it.
bool BringToFront(HWND window);
void ClickOn(HWND control);
void PressKey(WORD key);
void TypeText(const std::wstring& text);
void Shortcut(WORD key);  // with Ctrl

// A key held down for the scope.
void SendKey(WORD key, bool up);
struct HeldKey {
    explicit HeldKey(WORD key) : key(key) { SendKey(key, false); }
    ~HeldKey() { SendKey(key, true); }
    const WORD key;
};

}  // namespace pp::test
