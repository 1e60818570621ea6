#pragma once

#include <string>

#include "model/program_host.h"
#include "win32/handles.h"

namespace pp::win32 {

// The running PitchPilot.exe: its folder from its own module path, the single-instance lock as a
// named mutex of the user's session, and the stop message as a system message box.
class WindowsProgramHost : public ProgramHost {
  public:
    // `instanceName` names the single-instance lock; tests pass a name of their own.
    explicit WindowsProgramHost(std::wstring instanceName = L"Local\\PitchPilot.09PP.SingleInstance");

    std::string ProgramFolder() override;
    // The lock is held from the first call to the end of the process; asking again while it is
    // held answers false (this copy is the one running).
    bool AnotherCopyRunning() override;
    void ShowStopMessage(const std::string& text, const std::string& title) override;
    // Ends the process with exit code 1: a fatal stop is no success.
    [[noreturn]] void EndNow() override;

  private:
    std::wstring instanceName_;
    UniqueKernelHandle instanceLock_;
};

}  // namespace pp::win32
