#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "win32/handles.h"

namespace pp::test {

// Long enough for a loaded machine and a fresh Wine session; only what never happens waits this
// long.
inline constexpr uint32_t kLongWaitMs = 60000;

// Polls until `done` holds; false when it never did.
bool WaitUntil(const std::function<bool()>& done);

// A program of the test's. If it still runs at the end of the scope, it is ended (exit code 1).
class ChildProcess {
  public:
    // Starts the program in the working folder and waits until it takes input.
    ChildProcess(const std::string& program, const std::string& workingFolder, const std::string& arguments = {});
    // Takes charge of a running program.
    explicit ChildProcess(uint32_t id);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    uint32_t Id() const { return id_; }
    // The exit code once it has ended, waiting at most `milliseconds`; nothing while it runs.
    std::optional<uint32_t> WaitForExit(uint32_t milliseconds);

  private:
    win32::UniqueKernelHandle process_;
    uint32_t id_ = 0;
};

// How the stand-in game (bin\fifa09.exe) was started, as the copy that started last reports it
// in fifa09.report.txt beside its exe (the format is described in demo/fifa09_win32.cpp).
struct GameReport {
    std::string commandLine;             // UTF-8
    std::string workingFolder;           // UTF-8
    std::optional<std::string> userIni;  // the bytes of user.ini; nothing when there was none
    std::unique_ptr<ChildProcess> game;  // so that no copy outlives the test that started it
};
std::optional<GameReport> WaitForGameReport(const std::string& gameFolder);

// The first visible top-level window of the process with the class name (and the title, when one
// is given), once its thread takes messages; null when none came.
HWND WaitForTopWindow(uint32_t processId, const std::wstring& className, const std::wstring& title = {});
// Asked by message, so that a control of another process tells what it holds.
std::wstring WindowText(HWND window);

// Input as a player gives it, through the system's input queue: it reaches the window under the
// pointer or the one with the keyboard focus, whichever program owns it.
bool BringToFront(HWND window);
void ClickOn(HWND control);
void PressKey(WORD key);
void TypeText(const std::wstring& text);
// Ctrl and the key.
void Shortcut(WORD key);

// A key held down for one scope, released at its end whatever the test's outcome.
class HeldKey {
  public:
    explicit HeldKey(WORD key);
    ~HeldKey();
    HeldKey(const HeldKey&) = delete;
    HeldKey& operator=(const HeldKey&) = delete;

  private:
    WORD key_;
};

}  // namespace pp::test
