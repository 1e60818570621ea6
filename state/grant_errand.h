#pragma once

#include <functional>
#include <string>
#include <vector>

#include "files/file_system.h"
#include "model/program_host.h"
#include "shell/start_switches.h"

namespace pp {

// Gives `account` (a SID) the right to modify `folder` and everything in it; true when done.
using GrantModify = std::function<bool(const std::string& folder, const std::string& account)>;

// The one job of the copy of the tool that runs with an administrator's rights: the account the
// arguments hand over (exactly the grant switch and one account SID) gets Modify on the game root
// this copy finds from its own place, never on a folder named to it, and only where the game's
// required files are. How it ended, as the exit code the copy that ran it reads.
GrantExit RunGrantErrand(const std::vector<std::string>& arguments,
                         ProgramHost& host,
                         FileSystem& files,
                         const GrantModify& grant);

}  // namespace pp
