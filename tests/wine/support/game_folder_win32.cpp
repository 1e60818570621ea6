#include "tests/wine/support/game_folder.h"

#include <windows.h>

#include "tests/wine/support/child_process.h"
#include "tests/wine/support/folder_copy.h"
#include "win32/text.h"

namespace pp::test {

GameFolder::GameFolder(const std::string& teams, const std::string& stadiums) {
    Write("KWTR\\teams.ini", teams);
    Write("KWTR\\stads.ini", stadiums);
    Write("data\\fifa.fat", "");
    Write("fifa09.exe", "");
    Write("data\\cmn\\fifa.db", "");
    for (const char* name : kConfigurationFiles)
        Write(name, ConfigurationContents(name));
    MakeFolders(folder_ / "KWTR\\PP09");
    const std::string tool = folder_ / "KWTR\\PP09\\PitchPilot.exe";
    if (CopyFileTo(ProgramFolder() + "\\PitchPilot.exe", tool))
        tool_ = tool;
}

std::string GameFolder::ConfigurationContents(const std::string& name) {
    return "[" + name + "]\r\nKEY=value of " + name + "\r\n";
}

void GameFolder::Write(const std::string& relative, const std::string& bytes) const {
    WriteFile(folder_ / relative, bytes);
}

bool GameFolder::Remove(const std::string& relative) const {
    return ::DeleteFileW(win32::Widen(folder_ / relative).c_str()) != FALSE;
}

bool GameFolder::Exists(const std::string& relative) const {
    return FileExists(folder_ / relative);
}

std::string GameFolder::Read(const std::string& relative) const {
    std::string bytes;
    return ReadFile(folder_ / relative, bytes) ? bytes : "<missing>";
}

std::map<std::string, std::string> GameFolder::Files() const {
    std::map<std::string, std::string> files;
    VisitFolder(folder_.Path(), [&](const std::string& relative, bool isFolder) {
        if (!isFolder)
            files[relative] = Read(relative);
    });
    return files;
}

// HKEY_CURRENT_USER\Software\KWTR\09PP: the tool's own key, which only the tool's runs in this
// prefix write.
void FreshToolSettings::Clear() {
    ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\KWTR\\09PP");
}

}  // namespace pp::test
