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

// Waits until `count` copies have reported, for as long as a slow machine may need to start
// them; returns what there is by then.
std::vector<GameReport> WaitForGameReports(const std::string& gameFolder, size_t count);

// Ends every running copy of the folder's fifa09.exe at the end of a scope, whether it has reported
// or not; the program file decides, so no other program is ever hit. Declare it after the folder,
// so that the games are gone before the folder is removed.
class GameReaper {
  public:
    explicit GameReaper(std::string gameFolder) : gameFolder_(std::move(gameFolder)) {}
    ~GameReaper();
    GameReaper(const GameReaper&) = delete;
    GameReaper& operator=(const GameReaper&) = delete;

  private:
    std::string gameFolder_;
};

}  // namespace pp::test
