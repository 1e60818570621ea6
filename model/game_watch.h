#pragma once

#include <string>

namespace pp {

// The watch over the game the tool started, for a tool that closes once its game has ended (the
// start switch /close-after). The F12 watcher's timer looks at the process table now and then.
struct GameWatch {
    enum class State { Off, Waiting, Running };

    // Watches for the game whose file name is `gameProgram`, which has just been started.
    void Arm(std::string gameProgram) {
        state = State::Waiting;
        program = std::move(gameProgram);
        ticks = waited = 0;
    }

    State state = State::Off;
    std::string program;
    int ticks = 0;   // since the last look
    int waited = 0;  // ticks spent waiting for the game to show
};

}  // namespace pp
