#include <gtest/gtest.h>

#include <functional>

#include "config/save_command.h"
#include "state/setup.h"
#include "tests/native/support/game_folder.h"

namespace pp {
namespace {
const std::string kHeader = "[Pitch Pilot setup]\r\nversion=1\r\n";

// What START would hand the game now.
std::string LineForTheGame(Form1& run) {
    RunSaveCommand(run);
    return run.Tx2.Text();
}

using Setups = GameFolder;

// Keys in the store's order, every key of the window and no other, a value kept on its line by % escapes.
TEST_F(Setups, WritesThisExactTextAndReadsItBack) {
    fake.files.Put(kGameRoot + "KWTR\\stads.ini", "North Bank,10\r\nRéal,2\r\n");
    StoreAll("c2=1|c6=1|c3=1|c70=1|c71=0.25|cb2=2|cb5=1|cb16=2|YC=A=1%\r\nB=2");
    auto saved = Start();
    const std::string text = SetupText(CurrentSetup(*saved, "Cup: é"));
    EXPECT_EQ(text,
              "[Pitch Pilot setup]\r\nversion=1\r\nname=Cup: é\r\nhome=alpha\r\naway=Zeta\r\n"
              "stadium=Réal\r\n"
              "c3=1\r\nc4=0\r\nc5=0\r\nc7=0\r\nc8=0\r\nc9=0\r\nc10=0\r\nc11=0\r\nc12=0\r\nc13=0\r\nc14=0\r\nc15=0\r\n"
              "c16=0\r\nc17=0\r\nc18=0\r\nc19=0\r\nc21=0\r\nc22=0\r\nc25=0\r\nc26=0\r\nc28=0\r\nc70=1\r\nc71=0.25\r\n"
              "c72=0.5\r\ncb1=0\r\ncb2=2\r\ncb3=0\r\ncb4=0\r\ncb5=1\r\ncb6=0\r\ncb7=2\r\ncb8=0\r\ncb9=0\r\ncb10=0\r\n"
              "cb11=0\r\ncb12=0\r\ncb13=0\r\ncb14=0\r\ncb15=0\r\ncb16=2\r\ncb19=0\r\nYC=A=1%25%0D%0AB=2\r\n");
    fake.settings.values.clear();
    auto fresh = Start();
    EXPECT_EQ(ReadSetup(text, *fresh).setup.value().name, "Cup: é");
    const SetupLoad load = LoadSetup(*fresh, text);
    EXPECT_TRUE(load.refusal.empty() && load.problems.empty());
    EXPECT_EQ(CurrentValues(*fresh), CurrentValues(*saved));
    EXPECT_EQ(LineForTheGame(*fresh), LineForTheGame(*saved));
}

// No earlier id stays behind, no list keeps a slot, and the shader clears depth of field in order.
TEST_F(Setups, LoadingGivesTheLineOfAStartUpWithTheSameValues) {
    const std::vector<std::tuple<std::string, std::function<void(Form1&)>, std::string>> cases = {
        {"no id after one", [](Form1& f) { f.Combo5.SetListIndex(1); }, "stadium=Acre Park\r\ncb5=0\r\n"},
        {"same, again", [](Form1& f) { f.Combo5.SetListIndex(1), f.Combo5.SetListIndex(0); },
         "stadium=Acre Park\r\ncb5=0\r\n"},
        {"no resolution", [](Form1&) {}, "cb7=-1\r\n"},
        {"dof, low shader",
         [](Form1& f) { f.Combo16.SetListIndex(2), f.Check16.SetValue(1), f.Combo16.SetListIndex(0); },
         "c16=1\r\ncb16=0\r\n"},
        {"dof alone", [](Form1& f) { f.Combo16.SetListIndex(0); }, "c16=1\r\n"}};
    for (const auto& [what, before, lines] : cases) {
        fake.settings.values.clear();
        auto run = Start();
        before(*run);
        EXPECT_EQ(LoadSetup(*run, kHeader + lines).refusal, "") << what;
        const std::string loaded = LineForTheGame(*run);
        StoreSavedState(*run);
        EXPECT_EQ(loaded, LineForTheGame(*Start())) << what;
        EXPECT_TRUE(run->Check16.Value() == 0 || run->Combo16.ListIndex() != 0) << what;
    }
}

// By name in the list sorted anew, then by position, else kept and named; a double keeps its position.
TEST_F(Setups, TeamsByNameThenPositionElseUnchanged) {
    auto run = Start();
    run->Combo1.SetListIndex(2);  // Zeta
    MatchSetup setup = CurrentSetup(*run, "x");
    fake.files.Put(kGameRoot + "KWTR\\teams.ini", "Aaron,9\r\nAbe,7\r\nZeta,1\r\nalpha,2\r\nZeta,5\r\n");
    auto sorted = Start();
    Items problems;
    const std::vector<std::tuple<std::string, std::string, int>> steps = {
        {"Zeta", "2", 3}, {"Zeta", "4", 4}, {"Aaron", "3", 0}, {"Gone", "2", 2}, {"Gone", "7", 2}, {"Gone", "-1", 2}};
    for (const auto& [name, position, chosen] : steps) {
        setup.home = name;
        setup.values["cb1"] = position;
        ApplySetup(*sorted, setup, problems);
        EXPECT_EQ(sorted->Combo1.ListIndex(), chosen) << name << " at " << position;
    }
    EXPECT_EQ(problems, Items(2, "the home team \"Gone\" is not in the list"));
}

// The boxes stay and nothing is named; a list empty when saved goes back to no choice.
TEST_F(Setups, NoTeamOrStadiumLinesNameNoTeam) {
    auto run = Start();
    run->Combo2.SetListIndex(2);
    EXPECT_EQ(LoadSetup(*run, kHeader + "c3=1\r\n").problems, Items{});
    EXPECT_EQ(run->Combo2.ListIndex(), 2);
    EXPECT_EQ(LoadSetup(*run, kHeader + "away=\r\ncb2=-1\r\ncb1=9\r\n").problems, Items{"cb1=9 is out of range"});
    EXPECT_EQ(run->Combo2.ListIndex(), -1);
    EXPECT_EQ(LoadSetup(*run, "\xEF\xBB\xBF" + kHeader + "away=Zeta\r\ncb2=0\r\n").problems, Items{});
    EXPECT_EQ(run->Combo2.ListIndex(), 2) << "by its name";
    EXPECT_EQ(LoadSetup(*run, kHeader + "away=Gone\r\n").problems, Items{"the away team \"Gone\" is not in the list"});
}

// Each refused file changes nothing at all.
TEST_F(Setups, ARefusedFileChangesNothingAndSaysWhy) {
    const std::string noSetup = "it is no Pitch Pilot setup";
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", noSetup},
        {"[Other]\r\nc3=1\r\n", noSetup},
        {std::string("\0\xFF\xFE[Pitch Pilot setup]", 22), noSetup},
        {kHeader + "c3=1\r\njunk\r\n", "it is damaged (line 4)"},
        {kHeader + "version=one\r\n", "it is damaged (line 3)"},
        {"[Pitch Pilot setup]\r\nversion=2\r\nc3=1\r\n", "a newer Pitch Pilot made it (setup version 2)"},
        {kHeader + std::string(kLargestSetupFile - kHeader.size() + 1, ';'), "it is larger than 1 MB"}};
    auto run = Start();
    run->Combo1.SetListIndex(1);
    const SavedValues values = CurrentValues(*run);
    const std::string line = LineForTheGame(*run);
    for (const auto& [text, why] : cases) {
        EXPECT_EQ(LoadSetup(*run, text).refusal, why) << text.substr(0, 40);
        EXPECT_EQ(CurrentValues(*run), values) << why;
        EXPECT_EQ(LineForTheGame(*run), line) << why;
    }
}

// The rest applies; the keep and commentators boxes, no player's to change, are left out silently.
TEST_F(Setups, ValuesOutOfRangeAreLeftOutAndNamed) {
    const SetupFile partly = ReadSetup(
        kHeader + "c3=7\r\nc4=1\r\ncb8=99\r\nc2=1\r\nc6=1\r\nc71=0,5\r\nnew=1\r\nYC=%41%4F%0a%Gf%0g%4\r\n", form);
    ASSERT_TRUE(partly.setup);
    EXPECT_EQ(partly.setup->values, (SavedValues{{"c4", "1"}, {"YC", "AO\n%Gf%0g%4"}})) << "a % of no escape stays";
    EXPECT_EQ(partly.problems, (Items{"c3=7 is out of range", "cb8=99 is out of range", "c71=0,5 is out of range"}));
}

// A device name, with any extension or trailing blanks, gets a "_" after its stem.
TEST(SetupFileName, EveryCharacterAFileNameCannotHoldAndEveryDeviceName) {
    for (const std::string& pair : SplitAt(
             "Cup: A/B?>Cup_ A_B_|a\tb>a_b|end. >end|>_|con>con_|Aux>Aux_|Nul.x>Nul_.x|nul .x>nul _.x|con .x>con _.x|"
             "CONOUT$>CONOUT$_|conin$.ini>conin$_.ini|COM0>COM0_|lpt9>lpt9_|COM¹>COM¹_|LPT³.a.b>LPT³_.a.b|"
             "console>console|com10>com10",
             "|"))
        EXPECT_EQ(SetupFileName(pair.substr(0, pair.find('>'))), pair.substr(pair.find('>') + 1)) << pair;
}
}  // namespace
}  // namespace pp
