#pragma once

#include <array>
#include <string>
#include <vector>

namespace pp {

class Form1;

// What the program's arguments ask for. The start switches let a shortcut start a match at once.
enum class CommandLineRequest { None, Start, PenaltyStart, Help, Unknown };

// One switch the program takes: its names (the first is the one the help shows), what it asks for
// and the line of help that tells it.
struct StartSwitch {
    std::array<const char*, 3> names;
    CommandLineRequest request;
    const char* help;
};

inline constexpr std::array<StartSwitch, 3> kStartSwitches = {{
    {{"start"}, CommandLineRequest::Start, "starts the match, as the START button does."},
    {{"penalty"}, CommandLineRequest::PenaltyStart, "the same with a penalty shoot-out."},
    {{"?", "h", "help"}, CommandLineRequest::Help, "shows this message."},
}};

// The request of the arguments that follow the program's name. A switch is "/name", "-name" or
// "--name", in any case; more than one argument, or one that is no switch, is Unknown.
CommandLineRequest ParseCommandLine(const std::vector<std::string>& arguments);

// Runs the command of a start switch as a click on its image button would, so the save runs
// first; any other request runs nothing.
void RunStartRequest(Form1& form, CommandLineRequest request);

// Shown for Help and Unknown, in place of the window: every switch of kStartSwitches with its help.
std::string UsageMessage();

}  // namespace pp
