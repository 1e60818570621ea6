#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "state/saved_state.h"

namespace pp {

class Form1;

// A match setup of the player's: every value the saved state holds, and the names of the chosen
// home team, away team and stadium, so that it survives a list file that changed or was sorted
// anew. Kept as a small text file the player can read and send.
struct MatchSetup {
    std::string name;
    SavedValues values;
    std::string home, away, stadium;
};

inline constexpr size_t kLargestSetupFile = 1 << 20;

// The window's setup as it stands.
MatchSetup CurrentSetup(const Form1& form, const std::string& name);

// The file: UTF-8, a "[Pitch Pilot setup]" header, then one "key=value" line each, CR LF.
std::string SetupText(const MatchSetup& setup);

// A setup file read against the window it is for: the setup, with the values no control of the
// window takes left out and named in `problems`; or, for a file refused whole, why.
struct SetupFile {
    std::optional<MatchSetup> setup;
    std::string refusal;
    std::vector<std::string> problems;
};
SetupFile ReadSetup(std::string_view text, const Form1& form);

// Applies the setup as the start-up applies the saved state, so every control raises its own
// handler. A team or stadium is found by its name first, then by its stored position; when neither
// fits, its box keeps its choice. Adds to `problems` what could not be applied.
void ApplySetup(Form1& form, const MatchSetup& setup, std::vector<std::string>& problems);

// What loading a setup file did: why it was refused whole, which changed nothing; or, with no
// refusal, what of it could not be applied.
struct SetupLoad {
    std::string refusal;
    std::vector<std::string> problems;
};
// Reads the bytes as a setup file and applies it, unless it is refused whole.
SetupLoad LoadSetup(Form1& form, std::string_view bytes);

// The setup's name as a file name: every character a file name cannot hold becomes "_".
std::string SetupFileName(std::string_view name);

}  // namespace pp
