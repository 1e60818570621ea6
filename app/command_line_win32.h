#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "shell/start_switches.h"

namespace pp::win32 {

// The program's arguments after its own name, as UTF-8, split by the system's rules.
std::vector<std::string> CommandLineArguments();
// The same for any command line; the program's name may be a bare path with blanks, as a launcher
// that starts a program by its path alone hands it over.
std::vector<std::string> ArgumentsOf(const std::wstring& commandLine);

// When this copy of the program started, on the clock of the main window's start switches.
uint64_t ThisCopyStartedAt();

// The switches, in an information box with the application's title; returns once it is closed.
void ShowUsage();

// Gives this copy's switches (its arguments) to the copy of the tool that runs already, with the
// time this copy started: its main window comes to the front and carries them out, unless it
// started that match already for a copy started with this one. False when no such window took them
// in time; nothing is shown then.
bool HandOverToRunningCopy(const std::vector<std::string>& arguments);

}  // namespace pp::win32
