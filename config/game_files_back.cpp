#include "config/game_files_back.h"

#include <array>
#include <optional>
#include <string_view>

#include "config/game_files.h"

namespace pp {
namespace {

// The configuration files, then user.ini.
constexpr std::array<const char*, kConfigurationFiles.size() + 1> kGameFiles = [] {
    std::array<const char*, kConfigurationFiles.size() + 1> all{};
    for (size_t i = 0; i < kConfigurationFiles.size(); ++i)
        all[i] = kConfigurationFiles[i];
    all.back() = kUserIni;
    return all;
}();

// A file that cannot be read counts as different: the copy is never taken as being in place on a guess.
bool SameContents(FileSystem& files, const std::string& a, const std::string& b) {
    try {
        return files.ReadWholeText(a) == files.ReadWholeText(b);
    } catch (const FileError&) {
        return false;
    }
}

// Why the file in the way must stay where it is, if it must.
std::optional<PutBackOutcome> Unmovable(FileSystem& files, const std::string& path) {
    if (files.IsReadOnly(path))
        return PutBackOutcome::ReadOnly;
    if (files.IsInUse(path))
        return PutBackOutcome::InUse;
    return std::nullopt;
}

// Every step that can fail comes before the one after which the game sees the copy, and each failure
// takes back what was done: the temporary copy goes, and a file moved out of the way comes back.
PutBack PutOneBack(FileSystem& files, const std::string& root, const std::string& name) {
    const std::string target = root + name, copy = root + kCopyPrefix + name;
    PutBack result{name, PutBackOutcome::Failed, {}};
    const bool inTheWay = files.Exists(target);
    if (inTheWay && SameContents(files, target, copy)) {
        result.outcome = PutBackOutcome::AlreadyThere;
        return result;
    }
    if (auto why = inTheWay ? Unmovable(files, target) : std::nullopt) {
        result.outcome = *why;
        return result;
    }
    const auto temporary = FreeName(files, target + ".restoring");
    if (!temporary)
        return result;
    if (!files.CopyReplacing(copy, *temporary) || !files.MakeDurable(*temporary)) {
        files.Delete(*temporary);
        return result;
    }
    if (inTheWay) {
        const auto kept = FreeName(files, target + ".before-restore");
        if (!kept || !files.Rename(target, *kept)) {
            files.Delete(*temporary);
            result.outcome = Unmovable(files, target).value_or(PutBackOutcome::Failed);
            return result;
        }
        result.keptAs = kept->substr(root.size());
    }
    if (!files.MoveReplacing(*temporary, target)) {
        files.Delete(*temporary);
        if (!result.keptAs.empty() && files.Rename(root + result.keptAs, target))
            result.keptAs.clear();
        return result;
    }
    result.outcome = inTheWay ? PutBackOutcome::KeptBefore : PutBackOutcome::Restored;
    return result;
}

std::string Describe(const PutBack& result) {
    const std::string kept = "; the file that was there is now " + result.keptAs + ".";
    switch (result.outcome) {
        case PutBackOutcome::Restored:
            return "put back.";
        case PutBackOutcome::AlreadyThere:
            return "already the same as its copy, left as it is.";
        case PutBackOutcome::KeptBefore:
            return "put back" + kept;
        case PutBackOutcome::ReadOnly:
            return "not put back: the file there is read-only, and stays as it is.";
        case PutBackOutcome::InUse:
            return "not put back: another program, perhaps the game, has the file open. Close it and try again.";
        case PutBackOutcome::Failed:
            return "could not be put back" + (result.keptAs.empty() ? std::string(".") : kept);
    }
    return "";
}

}  // namespace

std::vector<std::string> CopiesToPutBack(FileSystem& files, const std::string& gameRoot) {
    std::vector<std::string> copies;
    if (!IsGameRoot(gameRoot))
        return copies;
    for (const char* name : kGameFiles)
        if (files.Exists(gameRoot + kCopyPrefix + name))
            copies.push_back(std::string(kCopyPrefix) + name);
    return copies;
}

std::string PutBackQuestion(const std::vector<std::string>& copies) {
    std::string text = "Put the game's files back from the copies Pitch Pilot moved aside?\n\n";
    for (const std::string& copy : copies)
        text += "    " + copy + "  back to  " + copy.substr(std::string_view(kCopyPrefix).size()) + "\n";
    return text +
           "\nA different file in the way is kept as <name>.before-restore, and the copies stay.\n\n"
           "Pitch Pilot moves common.ini, locale.ini, sku.ini and situation.ini aside again the next time it starts, "
           "and user.ini whenever it closes with \"Save USER.INI\" clear (with the box checked, Save and START "
           "write it afresh). This is for when you stop using Pitch Pilot, or want the game as it was.";
}

std::vector<PutBack> PutGameFilesBack(FileSystem& files, const std::string& gameRoot) {
    std::vector<PutBack> results;
    for (const std::string& copy : CopiesToPutBack(files, gameRoot))
        results.push_back(PutOneBack(files, gameRoot, copy.substr(std::string_view(kCopyPrefix).size())));
    return results;
}

std::string DescribePutBack(const std::vector<PutBack>& results) {
    if (results.empty())
        return "There are no bak_ copies in the game folder: nothing was put back.";
    std::string text;
    for (const PutBack& result : results)
        text += result.name + ": " + Describe(result) + "\n";
    return text + "\nThe bak_ copies stay in the game folder.";
}

}  // namespace pp
