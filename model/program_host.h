#pragma once

#include <string>

namespace pp {

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
};

}  // namespace pp
