#include <gtest/gtest.h>

#include "shell/commands.h"
#include "shell/fade.h"
#include "tests/native/support/game_folder.h"

namespace pp {
namespace {
struct Commands : GameFolder {
    Commands() {
        form.CM1.onClick = [this] { done.push_back("save"); };
        form.CM2.onClick = [this] { done.push_back("start"); };
        form.CM3.onClick = [this] { done.push_back("penalty"); };
    }
    Items done;
};

TEST_F(Commands, EachLinkOpensItsTargetAndAMissingHelpPageTheReadme) {
    fake.files.Put(kGameRoot + "KWTR\\tut\\09 Hoarding Kit.html", "<html>");
    for (int i = -1; i <= 5; ++i)
        ClickLink(form, i);
    fake.files.Delete(kGameRoot + "KWTR\\tut\\09 Hoarding Kit.html");
    ClickLink(form, 2);
    const std::string tool = kGameRoot + "KWTR\\PP09";
    EXPECT_EQ(fake.shell.calls, (Items{"explorer.exe| " + kGameRoot + "|" + kGameRoot,
                                       "explorer.exe| " + kGameRoot + "data\\|" + kGameRoot + "data\\",
                                       kGameRoot + "KWTR\\tut\\09 Hoarding Kit.html||" + kGameRoot + "KWTR\\tut\\",
                                       "https://tallowfen.example/pitch-pilot/||" + tool,
                                       "https://tallowfen.example/||" + tool, "notepad.exe| readme.txt|" + tool}));
}

// Minimising leaves choices and fades alone; closing saves first.
TEST_F(Commands, EachImageButtonRunsItsActionAndOtherIndexesNothing) {
    StartFade(form, Side::Home);
    for (int i : {4, 98, -1, 99})
        ClickImageButton(form, i);
    EXPECT_TRUE(done.empty());
    EXPECT_EQ(fake.window.minimises, 1);
    EXPECT_TRUE(form.TA.Enabled());
    for (int i : {1, 2, 3, 0})
        ClickImageButton(form, i);
    EXPECT_EQ(done, (Items{"save", "start", "penalty", "save"}));
    EXPECT_EQ(fake.window.closes, 1);
}
}  // namespace
}  // namespace pp
