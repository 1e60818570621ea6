#include "state/setup_files.h"

#include <algorithm>

#include "files/text_compare.h"
#include "model/form1.h"

namespace pp {
namespace {

constexpr std::string_view kExtension = ".ini";
// A message names this many problems, then how many more there are.
constexpr size_t kProblemsNamed = 5;

// Why a file could not be replaced or deleted, as far as the player can do something about it.
std::string WhyUnchanged(FileSystem& files, const std::string& path, const std::string& otherwise) {
    if (files.IsReadOnly(path))
        return "the file there is read-only";
    if (files.IsInUse(path))
        return "another program has the file open";
    return otherwise;
}

}  // namespace

std::vector<std::string> SavedSetupNames(FileSystem& files, const std::string& folder) {
    std::vector<std::string> names;
    for (const std::string& file : files.FilesIn(folder))
        if (file.size() > kExtension.size() &&
            EqualsIgnoringCase(std::string_view(file).substr(file.size() - kExtension.size()), kExtension))
            names.push_back(file.substr(0, file.size() - kExtension.size()));
    std::sort(names.begin(), names.end(), CollatesBefore);
    return names;
}

std::string ListedSetupPath(const std::string& folder, const std::string& listedName) {
    return folder + "\\" + listedName + std::string(kExtension);
}

std::string NewSetupPath(const std::string& folder, const std::string& typedName) {
    return folder + "\\" + SetupFileName(typedName) + std::string(kExtension);
}

std::optional<std::string> DeleteSavedSetup(FileSystem& files,
                                            const std::string& folder,
                                            const std::string& listedName) {
    const std::string path = ListedSetupPath(folder, listedName);
    if (files.Delete(path))
        return std::nullopt;
    return WhyUnchanged(files, path, "it could not be deleted");
}

SetupLoad LoadSetupFile(Form1& form, const std::string& path) {
    try {
        return LoadSetup(form, form.os.files.ReadBytes(path, kLargestSetupFile + 1));
    } catch (const FileError& error) {
        return {error.what(), {}};
    }
}

std::string LoadMessage(const std::string& path, const SetupLoad& load) {
    if (!load.refusal.empty())
        return "The setup file\n" + path + "\nwas not loaded: " + load.refusal + ".";
    if (load.problems.empty())
        return "";
    std::string message = "The setup file\n" + path + "\nwas loaded, but for:";
    for (size_t i = 0; i < load.problems.size() && i < kProblemsNamed; ++i)
        message += "\n  " + load.problems[i];
    if (load.problems.size() > kProblemsNamed)
        message += "\n  and " + std::to_string(load.problems.size() - kProblemsNamed) + " more.";
    return message;
}

// A setup larger than a load takes is not written: what the tool writes, it reads.
std::optional<std::string> SaveSetupFile(Form1& form, const std::string& path, const std::string& name) {
    FileSystem& files = form.os.files;
    const std::string text = SetupText(CurrentSetup(form, name));
    if (text.size() > kLargestSetupFile)
        return "it would be larger than 1 MB";
    if (ReplaceWithNewFile(files, path, text))
        return std::nullopt;
    return WhyUnchanged(files, path, "it could not be written");
}

}  // namespace pp
