#pragma once

#include <string>

namespace pp {

class Form1;

enum class LaunchKind { Start, PenaltyStart };

// What a start command hands the system: the game's program, the folder it runs in and its
// parameters (the directive line and the cheat text).
struct GameCommand {
    std::string program;
    std::string workingFolder;
    std::string parameters;
    // False when Windows would refuse a command line this long; the start then runs no game.
    bool fits = true;
};

// The command for a directive line as the save command built it.
GameCommand BuildGameCommand(const Form1& form, const std::string& directiveLine, LaunchKind kind);

// Save, then run the game from the game root with the directive line and the cheat text, and aim
// the terminator at "fifa09.exe".
void RunStartCommand(Form1& form);
// The same with " DEBUG_SHOOTOUT=1 " ahead of the directive line.
void RunPenaltyStartCommand(Form1& form);

}  // namespace pp
