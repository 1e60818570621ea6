#pragma once

#include <optional>
#include <string>

namespace pp {

class Form1;

inline constexpr const char* kSettingsSection = "09PP";
inline constexpr const char* kAlreadyRunningMessage = "Already running !";
inline constexpr const char* kMissingFilesMessage = "Missing files ! Please re-install !";

// The game root for a tool folder (without a trailing separator): the folder two levels above
// it, with a trailing "\". Nothing when the tool folder has no two parents.
std::optional<std::string> GameRootFromToolFolder(const std::string& toolFolder);

// The start-up sequence, the load handler of the main window.
void RunStartup(Form1& form);

// The required-files check: returns when the five required files exist; otherwise shows
// "Missing files ! Please re-install !" and ends the program. A failure of the file search
// itself abandons the check silently.
void chk(Form1& form);

// Shows the stop message with the application title and ends the program at once.
[[noreturn]] void EndWithStopMessage(Form1& form, const std::string& text);

}  // namespace pp
