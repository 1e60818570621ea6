#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "config/launcher.h"
#include "config/user_ini.h"

namespace pp {

class Form1;

// What a start command would hand the game if it ran now, built by the same routines, without
// saving, writing or starting anything.
struct LaunchPreview {
    GameCommand command;
    // The text the save would write to user.ini; nothing when the keep box is clear.
    std::optional<std::string> userIni;
    // The tokens of the cheat text that write nothing to user.ini, and why (empty tokens aside).
    std::vector<std::pair<std::string, Unwritten>> unwritten;
};

LaunchPreview PreviewLaunch(const Form1& form, LaunchKind kind);
// The directive line the next save would build; the preview shows nothing new while it, the cheat
// text, the keep box and the kind of start stay the same.
std::string NextDirectiveLine(const Form1& form);

// The command line as the system builds it from the program and the parameters.
std::string CommandLineOf(const GameCommand& command);

// The text with every blank of a run of two or more shown as "·", so the blanks can be counted;
// a single blank stays as it is.
std::string MarkBlankRuns(std::string_view text);

// Why a token writes nothing, for the player.
const char* ReasonFor(Unwritten why);

}  // namespace pp
