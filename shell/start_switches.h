#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
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
// "--name", in any case; more than one switch, or one the tool does not know, is Unknown. An
// argument that is no switch is no request: launchers add words of their own, and the tool opens.
CommandLineRequest ParseCommandLine(const std::vector<std::string>& arguments);

// Where the program's own name ends in a command line, as the system found the program: a quoted
// name at its closing quote; an unquoted one, which may hold blanks (some launchers start a program
// by its bare path), at the first blank before which `namesAFile` finds the program, else at the
// first blank. What follows is the arguments, still to be split by the system's rules.
size_t EndOfProgramName(std::string_view commandLine, const std::function<bool(std::string_view)>& namesAFile);

// Runs the command of a start switch as a click on its image button would, so the save runs
// first; any other request runs nothing.
void RunStartRequest(Form1& form, CommandLineRequest request);

// The start switches that reach one window, its own and those other copies hand over, start one
// match for copies started together: a double click on a quick-match shortcut starts two copies at
// once, and the one that hands its switch over asked for the very match the other starts. A copy
// started later asks for a match of its own. Times are of one clock.
class StartSwitchRuns {
  public:
    // Runs the request of a copy that started at `askedAt`, unless a start request already ran at or
    // after that time; true when it ran.
    bool Run(Form1& form, CommandLineRequest request, uint64_t askedAt, uint64_t now);

  private:
    std::optional<uint64_t> lastRun_;
};

// Shown for Help and Unknown, in place of the window: every switch of kStartSwitches with its help.
std::string UsageMessage();

}  // namespace pp
