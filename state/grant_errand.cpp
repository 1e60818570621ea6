#include "state/grant_errand.h"

#include <exception>

#include "config/game_files.h"
#include "state/startup.h"

namespace pp {

GrantExit RunGrantErrand(const std::vector<std::string>& arguments,
                         ProgramHost& host,
                         FileSystem& files,
                         const GrantModify& grant) {
    const auto account = AccountToGrant(arguments);
    if (!account)
        return GrantExit::Refused;
    try {
        const auto root = GameRootFromToolFolder(host.ProgramFolder());
        if (!root)
            return GrantExit::NotAGameFolder;
        for (const char* file : kRequiredFiles)
            if (files.LookUpOrdinaryFile(*root + file) != FileLookup::Found)
                return GrantExit::NotAGameFolder;
        return grant(*root, *account) ? GrantExit::Granted : GrantExit::Failed;
    } catch (const std::exception&) {
        return GrantExit::Failed;
    }
}

}  // namespace pp
