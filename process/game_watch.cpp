#include "process/game_watch.h"

#include <algorithm>

#include "files/text_compare.h"
#include "model/form1.h"

namespace pp {
namespace {

// The game is looked for at every tick until it shows, so that one ended at once is still seen; then
// at every tenth.
constexpr int kTicksPerLook = 10;
constexpr int kTicksBeforeGivingUp = 600;

// An empty list is no answer: the system always lists at least this program.
std::optional<bool> GameRuns(Form1& form) {
    const std::vector<ProcessEntry> running = form.os.processes.Snapshot();
    if (running.empty())
        return std::nullopt;
    return std::any_of(running.begin(), running.end(), [&](const ProcessEntry& entry) {
        return EqualsIgnoringCase(entry.exeName, form.gameWatch.program);
    });
}

}  // namespace

bool GameWatchSeesTheEnd(Form1& form) {
    GameWatch& watch = form.gameWatch;
    if (watch.state == GameWatch::State::Off)
        return false;
    if (watch.state == GameWatch::State::Waiting) {
        const std::optional<bool> runs = GameRuns(form);
        if (runs && *runs)
            watch.state = GameWatch::State::Running;
        else if (++watch.waited >= kTicksBeforeGivingUp)
            watch.state = GameWatch::State::Off;
        return false;
    }
    if (++watch.ticks < kTicksPerLook)
        return false;
    watch.ticks = 0;
    const std::optional<bool> runs = GameRuns(form);
    if (!runs)
        return false;
    if (*runs)
        return false;
    watch.state = GameWatch::State::Off;
    return true;
}

}  // namespace pp
