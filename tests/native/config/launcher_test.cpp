#include <gtest/gtest.h>

#include "config/launcher.h"
#include "tests/native/support/game_folder.h"

namespace pp {
namespace {

class Launcher : public GameFolder {
  protected:
    Launcher() {
        form.slots.Write(2, "AUDIO=1");
        form.Check2.SetValue(1);
    }
};

// The game runs from the game root with the fresh directive line and the cheat text; the penalty
// start puts the shoot-out first; either aims the terminator at the game, launched or not.
TEST_F(Launcher, StartCommandsRunTheGameWithTheLineAndTheCheatText) {
    form.TX1.SetText("X=1");
    RunStartCommand(form);
    const std::string line = form.Tx2.Text();
    RunPenaltyStartCommand(form);
    fake.shell.refusing = true;
    form.UnloadTerminator();
    form.TX1.SetText("");
    RunStartCommand(form);
    ASSERT_EQ(fake.shell.calls.size(), 3u);
    EXPECT_EQ(fake.shell.calls[0].parameters, " " + line + " X=1");
    EXPECT_EQ(fake.shell.calls[1].parameters, " DEBUG_SHOOTOUT=1 " + line + " X=1");
    EXPECT_EQ(fake.shell.calls[2].parameters, " " + line + " ");
    for (const auto& call : fake.shell.calls)
        EXPECT_EQ(call.file + "|" + call.folder, kGameRoot + "fifa09.exe|" + kGameRoot);
    EXPECT_EQ(form.TerminatorWindow().EXESHUT.Caption(), "fifa09.exe");
}

// Windows takes a command line of 32,766 UTF-16 characters: the quoted program, a blank and the
// parameters. A longer one is not handed on at all, so the game never starts with its end cut off;
// user.ini is written and the terminator aimed all the same.
TEST_F(Launcher, CommandLineLongerThanWindowsTakesIsNotLaunched) {
    RunStartCommand(form);
    const size_t room = 32766 - 3 - (kGameRoot + "fifa09.exe").size() - fake.shell.calls[0].parameters.size();
    const std::string trophy = "\xF0\x9F\x8F\x86";  // two UTF-16 characters
    const std::string sun = "\xE6\x97\xA5";         // one
    const std::vector<std::tuple<const char*, std::string, bool>> cases = {
        {"exactly the longest line", std::string(room, 'x'), true},
        {"one character more", std::string(room + 1, 'x'), false},
        {"a character of three bytes counts once", std::string(room - 1, 'x') + sun, true},
        {"a character beyond the first plane counts twice", std::string(room - 1, 'x') + trophy, false},
    };
    for (const auto& [what, cheat, launched] : cases) {
        fake.shell.calls.clear();
        fake.profile.writes = 0;
        form.UnloadTerminator();
        form.TX1.SetText(cheat);
        RunStartCommand(form);
        EXPECT_EQ(fake.shell.calls.size(), launched ? 1u : 0u) << what;
        EXPECT_EQ(form.TerminatorWindow().EXESHUT.Caption(), "fifa09.exe") << what;
        EXPECT_GT(fake.profile.writes, 0) << what;
    }
}

}  // namespace
}  // namespace pp
