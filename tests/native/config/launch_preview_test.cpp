#include <gtest/gtest.h>

#include "config/launch_preview.h"
#include "state/setup.h"
#include "tests/native/support/game_folder.h"

namespace pp {
namespace {
using LaunchPreviewOf = GameFolder;

TEST(MarkBlankRuns, EachBlankOfARunOfTwoOrMoreAndNoOther) {
    for (const std::string& pair : SplitAt("a b>a b|a  b>a\xC2\xB7\xC2\xB7"
                                           "b|  x >\xC2\xB7\xC2\xB7x |x  >x\xC2\xB7\xC2\xB7|>",
                                           "|"))
        EXPECT_EQ(MarkBlankRuns(pair.substr(0, pair.find('>'))), pair.substr(pair.find('>') + 1)) << pair;
}

// Also a modifier typed after its switch's last click; user.ini as the code page stores it; saves nothing.
TEST_F(LaunchPreviewOf, IsWhatTheStartCommandsHandOver) {
    StoreAll("c2=1|c70=1|YC=[X]=1  NOVALUE OPTIONS/A=1 ［Y］=1 Ā=2 A=3 中=4");
    auto run = Start();
    run->ZMO.SetText("0.7");
    for (LaunchKind kind : {LaunchKind::Start, LaunchKind::PenaltyStart}) {
        const LaunchPreview preview = PreviewLaunch(*run, kind);
        EXPECT_EQ(UserIni(), "(none)");
        (kind == LaunchKind::Start ? RunStartCommand : RunPenaltyStartCommand)(*run);
        const GameCommand& command = preview.command;
        EXPECT_EQ(fake.shell.calls.back(), command.program + "|" + command.parameters + "|" + command.workingFolder);
        EXPECT_EQ(UserIni(), preview.userIni);
        EXPECT_EQ(UserIni().substr(0, 10), "A=3\r\n?=4\r\n");
        fake.files.Delete(kGameRoot + "user.ini");
        EXPECT_EQ(preview.unwritten,
                  (std::vector<std::pair<std::string, Unwritten>>{{"[X]=1", Unwritten::KeyReadAsSection},
                                                                  {"NOVALUE", Unwritten::NoEquals},
                                                                  {"［Y］=1", Unwritten::KeyReadAsSection}}));
    }
    EXPECT_NE(fake.shell.calls.back().find("CAMERA_BIG_ZOOM_MODIFIER=0.7"), std::string::npos);
    run->Check2.SetValue(0);
    EXPECT_EQ(PreviewLaunch(*run, LaunchKind::Start).userIni, std::nullopt);
}

// A NUL from a setup's "%00" is a blank: every token after it still reaches the game, and is kept.
TEST_F(LaunchPreviewOf, ANulInTheCheatTextHandsOverAndKeepsWhatFollowsIt) {
    Store("c2", "1");
    auto run = Start();
    Items problems;
    ApplySetup(*run, *ReadSetup("[Pitch Pilot setup]\r\nversion=1\r\nYC=A=1%00B=2\r\n", *run).setup, problems);
    RunStartCommand(*run);
    EXPECT_TRUE(fake.shell.calls.back().ends_with(" A=1 B=2|" + kGameRoot)) << fake.shell.calls.back();
    EXPECT_EQ(UserIni().substr(0, 10), "A=1\r\nB=2\r\n");
    run->Unload();
    EXPECT_EQ(fake.settings.values.at(StoreKey("YC")), "A=1 B=2");
}
}  // namespace
}  // namespace pp
