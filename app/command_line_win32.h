#pragma once

#include <string>
#include <vector>

#include "shell/start_switches.h"

namespace pp::win32 {

// The program's arguments after its own name, as UTF-8, split by the system's rules.
std::vector<std::string> CommandLineArguments();

// The switches, in an information box with the application's title; returns once it is closed.
void ShowUsage();

// Gives a start switch to the copy of the tool that runs already: its main window comes to the
// front and runs the command. False when no such window took it in time; nothing is shown then.
bool HandOverToRunningCopy(CommandLineRequest request);

}  // namespace pp::win32
