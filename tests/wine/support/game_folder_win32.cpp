#include "tests/wine/support/game_folder.h"

#include <windows.h>

#include <functional>

#include "app/text_win32.h"
#include "app/win32_handles.h"
#include "tests/wine/support/child_process.h"

namespace pp::test {
namespace {

void ListFiles(const std::wstring& folder,
               const std::wstring& relative,
               const std::function<void(const std::wstring&)>& onFile) {
    WIN32_FIND_DATAW found{};
    win32::UniqueFindHandle find(::FindFirstFileW((folder + L"\\*").c_str(), &found));
    if (!find)
        return;
    do {
        const std::wstring name = found.cFileName;
        if (name == L"." || name == L"..")
            continue;
        const std::wstring path = relative.empty() ? name : relative + L"\\" + name;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            ListFiles(folder + L"\\" + name, path, onFile);
        else
            onFile(path);
    } while (::FindNextFileW(find.Get(), &found));
}

}  // namespace

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
    ListFiles(win32::Widen(folder_.Path()), L"", [&](const std::wstring& relative) {
        const std::string path = win32::Narrow(relative);
        files[path] = Read(path);
    });
    return files;
}

// HKEY_CURRENT_USER\Software\KWTR\09PP: the tool's own key, which only the tool's runs in this
// prefix write.
void FreshToolSettings::Clear() {
    ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\KWTR\\09PP");
}

}  // namespace pp::test
