#pragma once

// What the stand-in game (bin/fifa09.exe) reports about how it was started. It writes its report
// beside its own exe, as fifa09.report.<pid>.txt and fifa09.report.txt (the format is described
// in demo/fifa09_win32.cpp).

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace pp::test {

struct GameReport {
    uint32_t pid = 0;
    std::string commandLine;             // UTF-8
    std::string workingFolder;           // UTF-8
    std::optional<std::string> userIni;  // the bytes of user.ini; nothing when there was none
};

// Nothing when the text is not a whole report.
std::optional<GameReport> ParseGameReport(const std::string& text);

// The reports of every copy of the game that ran from `gameFolder`, one per process, in no
// particular order.
std::vector<GameReport> GameReportsIn(const std::string& gameFolder);

// Waits until `count` copies have reported, for as long as a slow machine may need to start
// them; returns what there is by then.
std::vector<GameReport> WaitForGameReports(const std::string& gameFolder, size_t count);

// Ends every running copy of `gameFolder`'s fifa09.exe, whether it has reported or not, and waits
// for each to be gone. The program file decides, so no other program is ever hit.
void EndGamesRunningFrom(const std::string& gameFolder);

// Ends the games of a folder at the end of a scope; declare it after the folder, so that the
// games are gone before the folder is removed.
class GameReaper {
  public:
    explicit GameReaper(std::string gameFolder) : gameFolder_(std::move(gameFolder)) {}
    ~GameReaper() { EndGamesRunningFrom(gameFolder_); }
    GameReaper(const GameReaper&) = delete;
    GameReaper& operator=(const GameReaper&) = delete;

  private:
    std::string gameFolder_;
};

}  // namespace pp::test
