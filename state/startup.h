#pragma once

#include <optional>
#include <string>

namespace pp {

class Form1;

inline constexpr const char* kAlreadyRunningMessage = "Already running !";

// The game root for a tool folder (without a trailing separator): the folder two levels above
// it, with a trailing "\". Nothing when the tool folder has no two parents.
std::optional<std::string> GameRootFromToolFolder(const std::string& toolFolder);

// The start-up sequence, the load handler of the main window.
void RunStartup(Form1& form);

}  // namespace pp
