#include "state/startup.h"

#include "config/game_files.h"
#include "config/game_folder.h"
#include "config/required_files.h"
#include "model/form1.h"
#include "model/ignore_errors.h"
#include "shell/hover.h"
#include "state/saved_state.h"

namespace pp {
namespace {

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

// Length of the root of a path ("C:", "\\server\share", or "" for a relative path), which
// is never taken apart.
size_t RootLength(const std::string& path) {
    if (path.size() >= 2 && path[1] == ':')
        return 2;
    if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
        size_t server = path.find_first_of("\\/", 2);
        if (server == std::string::npos)
            return path.size();
        size_t share = path.find_first_of("\\/", server + 1);
        return share == std::string::npos ? path.size() : share;
    }
    return 0;
}

void FillChoiceLists(Form1& form) {
    std::vector<std::string> teams;
    teams.reserve(static_cast<size_t>(form.List1.List().Count()));
    for (const std::string& line : form.List1.List().Items())
        teams.emplace_back(RecordName(line));
    form.Combo1.List().AddMany(std::move(teams));
    // Both boxes were empty and take the same names: the second takes the first's sorted order.
    form.Combo2.List().CopyItemsOf(form.Combo1.List());

    std::vector<std::string> stadiums;
    stadiums.reserve(static_cast<size_t>(form.List2.List().Count()));
    for (const std::string& line : form.List2.List().Items())
        stadiums.emplace_back(RecordName(line));
    form.Combo5.List().AddMany(std::move(stadiums));
}

}  // namespace

std::optional<std::string> GameRootFromToolFolder(const std::string& toolFolder) {
    std::string path = toolFolder;
    const size_t root = RootLength(path);
    while (path.size() > root && IsSeparator(path.back()))
        path.pop_back();
    for (int level = 0; level < 2; ++level) {
        size_t cut = path.find_last_of("\\/");
        if (cut == std::string::npos || cut < root || path.size() <= root)
            return std::nullopt;
        path.resize(cut);
    }
    return path + "\\";
}

void RunStartup(Form1& form) {
    FileSystem& fs = form.os.files;
    IgnoreErrors([&] {
        if (auto root = GameRootFromToolFolder(form.os.host.ProgramFolder()))
            form.LP.SetCaption(*root);
    });
    form.settingsSection = kSettingsSection;
    if (form.os.host.AnotherCopyRunning())
        EndWithStopMessage(form, kAlreadyRunningMessage);
    chk(form);

    const std::string root = form.GameRoot();
    IgnoreErrors([&] { LoadLinesIntoList(form.List1.List(), fs, root + kTeamListFile); });
    IgnoreErrors([&] { LoadLinesIntoList(form.List2.List(), fs, root + kStadiumListFile); });
    // A folder the player may not change is left exactly as it is; the files are moved aside once a
    // later look finds it writable.
    IgnoreErrors([&] {
        if (ProbeGameFolder(form))
            MoveConfigurationFilesAside(form);
        else
            form.gameFolder.moveAsidePending = true;
    });
    IgnoreErrors([&] { FillChoiceLists(form); });
    IgnoreErrors([&] { RestoreSavedState(form); });
    IgnoreErrors([&] { SetUpHover(form); });
    form.slots.Write(kSideSlot, kSideSelectHome);
    IgnoreErrors([&] { RestoreCheatText(form); });
}

}  // namespace pp
