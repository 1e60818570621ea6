#pragma once

#include <string>

#include "model/program_host.h"
#include "win32/handles.h"

namespace pp::win32 {

// The running PitchPilot.exe: its folder from its own module path, the single-instance lock as a
// named mutex of the user's session, the stop message as a system message box, the tool's other
// messages in front of its main window, and its elevated copy through the shell's "runas".
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

    // The window the messages and the elevated copy's consent prompt belong to, once there is one.
    void SetOwner(HWND owner) { owner_ = owner; }
    void Tell(const std::string& text) override;
    bool Ask(const std::string& text, const std::string& yes, const std::string& no) override;
    std::string AccountId() override;
    // Wine, which ntdll tells by exporting wine_get_version, has no administrator to ask.
    bool CanRunElevated() override;
    ElevatedRun RunElevated(const std::vector<std::string>& arguments) override;

  private:
    std::wstring instanceName_;
    UniqueKernelHandle instanceLock_;
    HWND owner_ = nullptr;
};

}  // namespace pp::win32
