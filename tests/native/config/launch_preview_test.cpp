#include <gtest/gtest.h>

#include "config/launch_preview.h"
#include "tests/native/support/game_folder.h"

namespace pp {
namespace {
using LaunchPreviewOf = GameFolder;

TEST(MarkBlankRuns, EachBlankOfARunOfTwoOrMoreAndNoOther) {
    for (const auto& [text, marked] : std::vector<std::pair<std::string, std::string>>{{"a b", "a b"},
                                                                                       {"a  b",
                                                                                        "a\xC2\xB7\xC2\xB7"
                                                                                        "b"},
                                                                                       {"  x ", "\xC2\xB7\xC2\xB7x "},
                                                                                       {"", ""}})
        EXPECT_EQ(MarkBlankRuns(text), marked) << text;
}

// The preview is what the next start hands over, also for a modifier typed after the last click
// of its switch, and names the cheat tokens that write nothing; it saves and starts nothing.
TEST_F(LaunchPreviewOf, IsWhatTheStartCommandsHandOver) {
    for (const auto& [key, value] : {std::pair{"c2", "1"}, {"c70", "1"}, {"YC", "[X]=1  NOVALUE OPTIONS/A=1"}})
        Store(key, value);
    auto run = Start();
    run->ZMO.SetText("0.7");
    for (LaunchKind kind : {LaunchKind::Start, LaunchKind::PenaltyStart}) {
        const LaunchPreview preview = PreviewLaunch(*run, kind);
        EXPECT_EQ(UserIni(), "(none)");
        (kind == LaunchKind::Start ? RunStartCommand : RunPenaltyStartCommand)(*run);
        const GameCommand& command = preview.command;
        EXPECT_EQ(fake.shell.calls.back(), command.program + "|" + command.parameters + "|" + command.workingFolder);
        EXPECT_EQ(UserIni(), preview.userIni);
        fake.files.Delete(kGameRoot + "user.ini");
        EXPECT_EQ(preview.unwritten, (std::vector<std::pair<std::string, Unwritten>>{
                                         {"[X]=1", Unwritten::KeyReadAsSection}, {"NOVALUE", Unwritten::NoEquals}}));
    }
    EXPECT_NE(fake.shell.calls.back().find("CAMERA_BIG_ZOOM_MODIFIER=0.7"), std::string::npos);
    run->Check2.SetValue(0);
    EXPECT_EQ(PreviewLaunch(*run, LaunchKind::Start).userIni, std::nullopt);
}
}  // namespace
}  // namespace pp
