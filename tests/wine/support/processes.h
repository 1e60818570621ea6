#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "win32/handles.h"

namespace pp::test {

// A program of the test's: it does not outlive the scope, and if it still runs at the end, it is
// ended with exit code 1.
class ChildProcess {
  public:
    // Starts the program, in the working folder when one is given, and waits until it takes input.
    explicit ChildProcess(const std::string& program, const std::string& workingFolder = {});
    // Takes charge of a running program.
    explicit ChildProcess(uint32_t id);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // 0 when it could not be started.
    uint32_t Id() const { return id_; }
    // The exit code once it has ended, waiting at most `milliseconds`; nothing while it runs.
    std::optional<uint32_t> WaitForExit(uint32_t milliseconds);

  private:
    win32::UniqueKernelHandle process_;
    uint32_t id_ = 0;
};

// How the stand-in game (bin\fifa09.exe) was started, as the copy that started last reports it
// beside its exe in fifa09.report.txt (the format is described in demo/fifa09_win32.cpp).
struct GameReport {
    std::string commandLine;             // UTF-8
    std::string workingFolder;           // UTF-8
    std::optional<std::string> userIni;  // the bytes of user.ini; nothing when there was none
    std::unique_ptr<ChildProcess> game;  // so that no copy outlives the test that started it
};

// Nothing when no copy reported in the time a slow machine may need to start one.
std::optional<GameReport> WaitForGameReport(const std::string& gameFolder);

}  // namespace pp::test
