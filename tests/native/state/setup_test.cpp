#include <gtest/gtest.h>

#include "config/save_command.h"
#include "state/setup.h"
#include "tests/native/support/game_folder.h"

namespace pp {
namespace {
using Setups = GameFolder;

// A setup written and read back applies as the same values restored from the store at start-up
// would: every key, names outside ASCII, a cheat text with line breaks and "%".
TEST_F(Setups, RoundTripGivesTheDirectiveLineOfTheSameRestoredState) {
    fake.files.Put(kGameRoot + "KWTR\\teams.ini",
                   "Zeta,1\r\nR\xC3\xA9"
                   "al,2\r\nBeta,3\r\n");
    for (const auto& [key, value] : {std::pair{"c3", "1"},
                                     {"c16", "1"},
                                     {"c70", "1"},
                                     {"c71", "0.25"},
                                     {"cb1", "1"},
                                     {"cb2", "2"},
                                     {"cb8", "2"},
                                     {"cb16", "2"},
                                     {"YC", "A=1%0A\r\nB=2"}})
        Store(key, value);
    auto restored = Start();
    const MatchSetup saved = CurrentSetup(*restored, "Long \xC3\xA9 match");
    EXPECT_EQ(saved.home,
              "R\xC3\xA9"
              "al");
    fake.settings.values.clear();
    auto first = Start();
    const SetupFile read = ReadSetup(SetupText(saved), *first);
    ASSERT_TRUE(read.setup) << read.refusal;
    EXPECT_EQ(read.setup->name, saved.name);
    std::vector<std::string> problems;
    ApplySetup(*first, *read.setup, problems);
    EXPECT_TRUE(problems.empty());
    EXPECT_EQ(CurrentValues(*first), saved.values);
    EXPECT_EQ(DirectiveLine(first->slots), DirectiveLine(restored->slots));
}

// A team is found by its name in a list sorted anew; then by its position; else the box keeps its
// choice and the message names it.
TEST_F(Setups, TeamsByNameThenPositionElseUnchanged) {
    auto run = Start();
    run->Combo1.SetListIndex(2);  // Zeta
    MatchSetup setup = CurrentSetup(*run, "x");
    fake.files.Put(kGameRoot + "KWTR\\teams.ini", "Aaron,9\r\nAbe,7\r\nZeta,1\r\nalpha,2\r\n");
    auto sorted = Start();
    std::vector<std::string> problems;
    ApplySetup(*sorted, setup, problems);
    EXPECT_EQ(sorted->Combo1.ListIndex(), 3) << "Zeta, moved";
    setup.home = "Gone";
    ApplySetup(*sorted, setup, problems);
    EXPECT_EQ(sorted->Combo1.ListIndex(), 2) << "the stored position";
    setup.values["cb1"] = "7";
    sorted->Combo1.SetListIndex(0);
    ApplySetup(*sorted, setup, problems);
    EXPECT_EQ(sorted->Combo1.ListIndex(), 0);
    EXPECT_EQ(problems, std::vector<std::string>{"the home team \"Gone\" is not in the list"});
}

// A file refused whole changes nothing; a value out of range is left out and named.
TEST_F(Setups, BadFilesAreRefusedOrAppliedAsFarAsValid) {
    const std::string header = "[Pitch Pilot setup]\r\nversion=1\r\n";
    const std::vector<std::pair<std::string, std::string>> refused = {
        {"", "it is no Pitch Pilot setup"},
        {"[Other]\r\nc3=1\r\n", "it is no Pitch Pilot setup"},
        {header + "c3=1\r\njunk\r\n", "it is damaged (line 4)"},
        {"[Pitch Pilot setup]\r\nversion=2\r\n", "a newer Pitch Pilot made it (setup version 2)"},
        {header + std::string(kLargestSetupFile, ';'), "it is larger than 1 MB"},
    };
    for (const auto& [text, why] : refused)
        EXPECT_EQ(ReadSetup(text, form).refusal, why) << text.substr(0, 40);
    const SetupFile partly = ReadSetup(header + "c3=7\r\nc4=1\r\ncb8=99\r\nc71=0,5\r\n", form);
    ASSERT_TRUE(partly.setup);
    EXPECT_EQ(partly.setup->values, (SavedValues{{"c4", "1"}}));
    EXPECT_EQ(partly.problems,
              (std::vector<std::string>{"c3=7 is out of range", "cb8=99 is out of range", "c71=0,5 is out of range"}));
}

TEST(SetupFileName, EveryCharacterAFileNameCannotHold) {
    for (const auto& [name, file] : std::vector<std::pair<std::string, std::string>>{{"Cup: A/B?", "Cup_ A_B_"},
                                                                                     {"a\tb", "a_b"},
                                                                                     {"end. ", "end"},
                                                                                     {"", "_"},
                                                                                     {"con", "con_"},
                                                                                     {"Nul.x", "Nul_.x"}})
        EXPECT_EQ(SetupFileName(name), file) << name;
}
}  // namespace
}  // namespace pp
