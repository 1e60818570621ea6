#pragma once

#include <string>
#include <vector>

namespace pp {

class Form1;

// What the program's arguments ask for. The start switches let a shortcut start a match at once.
enum class CommandLineRequest { None, Start, PenaltyStart, Help, Unknown };

// The request of the arguments that follow the program's name. A switch is "/name", "-name" or
// "--name", in any case; more than one argument, or one that is no switch, is Unknown.
CommandLineRequest ParseCommandLine(const std::vector<std::string>& arguments);

// Runs the command of a start switch as a click on its image button would, so the save runs
// first; any other request runs nothing.
void RunStartRequest(Form1& form, CommandLineRequest request);

// Shown for Help and Unknown, in place of the window.
inline constexpr const char* kUsageMessage =
    "PitchPilot.exe [/start | /penalty | /?]\n"
    "\n"
    "/start: starts the match, as the START button does.\n"
    "/penalty: the same with a penalty shoot-out.\n"
    "/?: shows this message.\n"
    "\n"
    "Also -start or --START, in any case. When the tool\n"
    "is open already, it starts the match there.";

}  // namespace pp
