#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace pp {

// How a run of this program with an administrator's rights went: it ran and ended with its exit
// code, the player (or the administrator asked) declined, or it could not be started at all.
struct ElevatedRun {
    enum class Start { Ran, Declined, Failed } start = Start::Failed;
    uint32_t exitCode = 0;
};

// The running program itself: where it lives, whether it is alone, and how it ends.
class ProgramHost {
  public:
    virtual ~ProgramHost() = default;

    // The folder of the program file, without a trailing separator.
    virtual std::string ProgramFolder() = 0;

    // Takes the single-instance lock. True when another copy of the tool already holds it.
    virtual bool AnotherCopyRunning() = 0;

    // A message box with the stop icon, one OK button and the given title; returns when the user
    // has closed it.
    virtual void ShowStopMessage(const std::string& text, const std::string& title) = 0;

    // Ends the program at once: no exit sequence, nothing saved. Never returns.
    [[noreturn]] virtual void EndNow() = 0;

    // A message of the tool's with one OK button, in front of its main window; returns once closed.
    virtual void Tell(const std::string& text) = 0;
    // A question of the tool's with two buttons of the given texts; true when the first was chosen.
    virtual bool Ask(const std::string& text, const std::string& yes, const std::string& no) = 0;

    // The player's account as the system names it (its SID, "S-1-5-21-..."); empty when unknown.
    virtual std::string AccountId() = 0;
    // False where no administrator can be asked to run a program: under Wine, which has no such
    // thing.
    virtual bool CanRunElevated() = 0;
    // Runs this program once more with the arguments and an administrator's rights, after the
    // system has asked for them, and waits for it to end. The tool's windows take no input
    // meanwhile.
    virtual ElevatedRun RunElevated(const std::vector<std::string>& arguments) = 0;
};

}  // namespace pp
