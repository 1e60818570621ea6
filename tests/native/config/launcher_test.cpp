#include <gtest/gtest.h>

#include "config/launcher.h"
#include "tests/native/support/game_folder.h"

namespace pp {
namespace {
using Launcher = GameFolder;

// Penalty start: shoot-out first; a line over 32,766 UTF-16 characters is not handed on, never cut short.
TEST_F(Launcher, StartCommandsRunTheGameWithTheLineAndTheCheatText) {
    form.slots.Write(2, "AUDIO=1");
    form.Check2.SetValue(1);
    form.TX1.SetText("X=1");
    RunStartCommand(form);
    const std::string line = form.Tx2.Text();
    RunPenaltyStartCommand(form);
    const std::string game = kGameRoot + "fifa09.exe|";
    EXPECT_EQ(fake.shell.calls, (Items{game + " " + line + " X=1|" + kGameRoot,
                                       game + " DEBUG_SHOOTOUT=1 " + line + " X=1|" + kGameRoot}));
    const size_t room = 32766 - 3 - (kGameRoot + "fifa09.exe").size() - (line.size() + 2);
    const std::vector<std::pair<std::string, bool>> cheats = {
        {std::string(room, 'x'), true},
        {std::string(room + 1, 'x'), false},
        {std::string(room - 1, 'x') + "\xE6\x97\xA5", true},      // one UTF-16 character
        {std::string(room - 1, 'x') + "\xF0\x9F\x8F\x86", false}  // two
    };
    for (const auto& [cheat, launched] : cheats) {
        fake.shell.calls.clear();
        fake.shell.refusing = !launched;
        fake.profile.writes = 0;
        form.UnloadTerminator();
        form.TX1.SetText(cheat);
        RunStartCommand(form);
        EXPECT_EQ(fake.shell.calls.size(), launched ? 1u : 0u) << cheat.size();
        EXPECT_EQ(form.TerminatorWindow().EXESHUT.Caption(), "fifa09.exe");
        EXPECT_GT(fake.profile.writes, 0);
    }
}
}  // namespace
}  // namespace pp
