#include "config/shadow_copies.h"

#include <algorithm>
#include <string_view>

#include "config/game_files.h"
#include "model/form1.h"

namespace pp {
namespace {

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

bool IsDriveLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

}  // namespace

std::optional<std::string> ShadowFolderOf(const std::string& virtualStore, const std::string& gameRoot) {
    if (virtualStore.empty())
        return std::nullopt;
    std::string_view path = gameRoot;
    for (const std::string_view prefix : {std::string_view("\\\\?\\"), std::string_view("\\\\.\\")})
        if (path.starts_with(prefix))
            path.remove_prefix(prefix.size());
    if (path.size() < 3 || !IsDriveLetter(path[0]) || path[1] != ':' || !IsSeparator(path[2]))
        return std::nullopt;
    std::string folder = virtualStore;
    while (!folder.empty() && IsSeparator(folder.back()))
        folder.pop_back();
    for (char c : path.substr(2))
        folder += IsSeparator(c) ? '\\' : c;
    if (folder.back() != '\\')
        folder += '\\';
    return folder;
}

std::vector<std::string> FindShadowCopies(FileSystem& files, const std::string& gameRoot) {
    std::vector<std::string> copies;
    const auto folder = ShadowFolderOf(files.VirtualStoreFolder(), gameRoot);
    if (!folder)
        return copies;
    for (const char* name : kConfigurationFiles)
        if (files.Exists(*folder + name))
            copies.push_back(*folder + name);
    if (files.Exists(*folder + kUserIni))
        copies.push_back(*folder + kUserIni);
    return copies;
}

std::vector<std::string> MoveShadowCopiesAside(FileSystem& files, const std::vector<std::string>& copies) {
    std::vector<std::string> stayed;
    for (const std::string& copy : copies) {
        const size_t name = copy.find_last_of('\\') + 1;
        const auto aside = FreeName(files, copy.substr(0, name) + kCopyPrefix + copy.substr(name));
        if (!aside || !files.Rename(copy, *aside))
            stayed.push_back(copy);
    }
    return stayed;
}

std::string ShadowCopiesQuestion(const std::vector<std::string>& copies) {
    std::string text =
        "The game may read copies of its files that Windows keeps for it, instead of the files in the "
        "game folder:\n\n";
    for (const std::string& copy : copies)
        text += "    " + copy + "\n";
    return text +
           "\nWindows made them when the game, or another program, wrote into the game folder without the right "
           "to. While they are there, what Pitch Pilot writes or moves aside does not reach the game.\n\n"
           "Move them aside? Each is renamed beside itself to bak_<name>; nothing is deleted.";
}

void OfferToMoveShadowCopies(Form1& form) {
    std::vector<std::string> copies = FindShadowCopies(form.os.files, form.GameRoot());
    std::vector<std::string>& told = form.gameFolder.toldShadows;
    std::erase_if(copies, [&](const std::string& copy) { return std::ranges::find(told, copy) != told.end(); });
    if (copies.empty())
        return;
    told.insert(told.end(), copies.begin(), copies.end());
    if (!form.os.host.Ask(ShadowCopiesQuestion(copies), "Move them aside", "Leave them"))
        return;
    std::string stayed;
    for (const std::string& copy : MoveShadowCopiesAside(form.os.files, copies))
        stayed += "    " + copy + "\n";
    if (!stayed.empty())
        form.os.host.Tell("These copies could not be moved aside, and the game may still read them:\n\n" + stayed);
}

}  // namespace pp
