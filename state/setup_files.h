#pragma once

#include <optional>
#include <string>
#include <vector>

#include "files/file_system.h"
#include "state/setup.h"

namespace pp {

class Form1;

// The player's named setups are the files "<name>.ini" of one folder: the list shows each file's
// name without ".ini", sorted as the lists of the window are.
std::vector<std::string> SavedSetupNames(FileSystem& files, const std::string& folder);
// The very file a name of that list stands for.
std::string ListedSetupPath(const std::string& folder, const std::string& listedName);
// The file a setup saved under a name the player typed goes to (see SetupFileName).
std::string NewSetupPath(const std::string& folder, const std::string& typedName);
// Deletes the file of a listed setup: why not, or nothing when it was deleted.
std::optional<std::string> DeleteSavedSetup(FileSystem& files,
                                            const std::string& folder,
                                            const std::string& listedName);

// Reads the file through the file system and loads it (LoadSetup); a file that cannot be read is
// refused with the system's reason.
SetupLoad LoadSetupFile(Form1& form, const std::string& path);
// What the player is told after a load: nothing when it went through without a problem.
std::string LoadMessage(const std::string& path, const SetupLoad& load);

// Saves the window's setup under `name` to `path`, replacing the file there in one step: why not,
// or nothing when it was saved.
std::optional<std::string> SaveSetupFile(Form1& form, const std::string& path, const std::string& name);

}  // namespace pp
