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
// GrantFolderAccess is the errand of the copy that the tool runs with an administrator's rights
// when the player may not change the game folder; no player types it.
enum class CommandLineRequest { None, Start, PenaltyStart, Help, Unknown, GrantFolderAccess };

// One switch the program takes: its names (the first is the one the help shows), what it asks for
// and the line of help that tells it; a switch without help is left out of the help.
struct StartSwitch {
    std::array<const char*, 3> names;
    CommandLineRequest request;
    const char* help;
};

inline constexpr const char* kGrantSwitch = "grant-folder-access";

inline constexpr std::array<StartSwitch, 4> kStartSwitches = {{
    {{"start"}, CommandLineRequest::Start, "starts the match, as the START button does."},
    {{"penalty"}, CommandLineRequest::PenaltyStart, "the same with a penalty shoot-out."},
    {{"?", "h", "help"}, CommandLineRequest::Help, "shows this message."},
    {{kGrantSwitch}, CommandLineRequest::GrantFolderAccess, nullptr},
}};

// The request of the arguments that follow the program's name. A switch is "/name", "-name" or
// "--name", in any case; more than one switch, or one the tool does not know, is Unknown. An
// argument that is no switch is no request: launchers add words of their own, and the tool opens.
// (The grant switch is followed by the account it hands over, which AccountToGrant judges.)
CommandLineRequest ParseCommandLine(const std::vector<std::string>& arguments);

// Where the program's own name ends in a command line, as the system found the program: a quoted
// name at its closing quote; an unquoted one, which may hold blanks (some launchers start a program
// by its bare path), at the first blank before which `namesAFile` finds the program, else at the
// first blank. What follows is the arguments, still to be split by the system's rules.
size_t EndOfProgramName(std::string_view commandLine, const std::function<bool(std::string_view)>& namesAFile);

// How the elevated copy ends, which the copy that ran it reads.
enum class GrantExit : uint32_t { Granted = 0, Refused = 2, NotAGameFolder = 3, Failed = 4 };

// True for the SID of a person's account, local or of a domain ("S-1-5-21-a-b-c-rid") or of an
// Azure AD ("S-1-12-1-a-b-c-d"): never a group, a service or a well-known account such as
// Everyone or the Administrators, and nothing but the SID's digits and dashes.
bool IsAccountSid(std::string_view text);

// The account the grant switch hands over: exactly the switch and one account SID. Nothing for
// anything else: no path, no further argument, no other kind of SID.
std::optional<std::string> AccountToGrant(const std::vector<std::string>& arguments);

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
