#pragma once

// What the Wine tests and the end-to-end runs share: files and folders of their own, programs they
// start, and input given as a player gives it.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "model/picture.h"
#include "win32/handles.h"

namespace pp::test {

// A fresh folder under the system's temporary folder, removed with everything in it at the end
// of the scope. Its name holds a blank and letters outside the system code page, so every test
// that uses it also proves that such paths work.
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
// The folder of the running test program: the build's bin folder.
std::string ProgramFolder();
// A handle of another program's that shares the file with no one; none for an empty path.
win32::UniqueFileHandle HoldOpen(const std::string& path);

// GDI+ knows its encoders by class ids that differ in their first number alone.
enum class PictureFormat : unsigned long { Bmp = 0x557CF400, Jpeg = 0x557CF401, Png = 0x557CF406 };
// Encoded by GDI+, which must be running (a GdiplusPictureLoader keeps it so).
bool WritePicture(const std::string& path, const Picture& picture, PictureFormat format);

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
