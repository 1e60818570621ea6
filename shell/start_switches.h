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

// What a switch of the table does.
enum class SwitchRole {
    Request,     // asks for its request: a start, or help
    Setup,       // applies the saved setup it names first
    CloseAfter,  // with a start: the tool closes once the game it started has ended
};

// One switch the program takes: its names (the first is the one the help shows), what it does, the
// value it takes (shown in the help; null for none) and the line of help that tells it.
struct StartSwitch {
    std::array<const char*, 3> names;
    SwitchRole role;
    CommandLineRequest request;
    const char* value;
    const char* help;
};

inline constexpr std::array<StartSwitch, 5> kStartSwitches = {{
    {{"start"}, SwitchRole::Request, CommandLineRequest::Start, nullptr, "starts the match, as the START button does."},
    {{"penalty"}, SwitchRole::Request, CommandLineRequest::PenaltyStart, nullptr, "the same with a penalty shoot-out."},
    {{"setup"}, SwitchRole::Setup, CommandLineRequest::None, "<name>", "applies your saved setup of that name first."},
    {{"close-after"},
     SwitchRole::CloseAfter,
     CommandLineRequest::None,
     nullptr,
     "with /start or /penalty: closes the tool when the game ends."},
    {{"?", "h", "help"}, SwitchRole::Request, CommandLineRequest::Help, nullptr, "shows this message."},
}};

// Everything the arguments ask for.
struct StartOptions {
    StartOptions() = default;
    StartOptions(CommandLineRequest asked, std::optional<std::string> setupName = std::nullopt, bool close = false)
        : request(asked), setup(std::move(setupName)), closeAfter(close) {}

    CommandLineRequest request = CommandLineRequest::None;
    std::optional<std::string> setup;
    bool closeAfter = false;
    bool operator==(const StartOptions&) const = default;
};

// The options of the arguments that follow the program's name. A switch is "/name", "-name" or
// "--name", in any case; a value follows as the next argument or after "=" ("--setup=Cup final").
// A switch the tool does not know, one given twice, two starts, a setup without a name or
// /close-after without a start ask for Unknown; help asks for Help. An argument that is no switch
// asks for nothing: launchers add words of their own, and the tool opens.
StartOptions ParseCommandLine(const std::vector<std::string>& arguments);

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
    // Whether the options of a copy that started at `askedAt` are still to be carried out: not when
    // they ask for a start and a start of theirs ran at or after that time.
    bool Admits(const StartOptions& options, uint64_t askedAt) const;
    // Runs the start the options ask for at `now`, and arms the closing after the game when they
    // ask for that.
    void Run(Form1& form, const StartOptions& options, uint64_t now);

  private:
    std::optional<uint64_t> lastRun_;
};

// What a second copy hands the copy that runs: when it started, and its arguments. As bytes, the
// time (8 bytes, least significant first), then each argument followed by a zero byte.
struct HandOver {
    uint64_t askedAt = 0;
    std::vector<std::string> arguments;
};
std::string HandOverBytes(const HandOver& handOver);
// Nothing for bytes that are no hand-over (too short, or the last argument without its end).
std::optional<HandOver> ReadHandOver(std::string_view bytes);

// Shown for Help and Unknown, in place of the window: every switch of kStartSwitches with its help.
std::string UsageMessage();

}  // namespace pp
