#include <gtest/gtest.h>

#include "shell/start_switches.h"
#include "tests/native/support/game_folder.h"

namespace pp {
namespace {
using enum CommandLineRequest;

TEST(CommandLine, OneSwitchOfAnyPrefixAndCaseOrElseUnknown) {
    const std::vector<std::pair<CommandLineRequest, std::vector<std::string>>> arguments = {
        {Start, {"/start", "-START", "--Start"}},
        {PenaltyStart, {"/PENALTY", "--penalty"}},
        {Help, {"/?", "-h", "--help"}},
        {Unknown, {"start", "/starts", "---start", "/", ""}},
    };
    for (const auto& [request, each] : arguments)
        for (const std::string& argument : each)
            EXPECT_EQ(ParseCommandLine({argument}), request) << argument;
    EXPECT_EQ(ParseCommandLine({}), None);
    EXPECT_EQ(ParseCommandLine({"/start", "/penalty"}), Unknown) << "one switch at a time";
}

using StartRequest = GameFolder;

// A start switch starts its match as a click on its button does, the save first; any other
// request, or a number that is none (as one from another copy could be), saves and starts nothing.
TEST_F(StartRequest, StartsTheMatchOfItsSwitchAfterTheSave) {
    form.Check2.SetValue(1);
    for (const CommandLineRequest request : {None, Help, Unknown, static_cast<CommandLineRequest>(99)})
        RunStartRequest(form, request);
    EXPECT_TRUE(fake.shell.calls.empty());
    EXPECT_EQ(UserIni(), "(none)");
    RunStartRequest(form, CommandLineRequest::Start);
    ASSERT_FALSE(form.Tx2.Text().empty()) << "the save made the line";
    RunStartRequest(form, PenaltyStart);
    const std::string game = kGameRoot + "fifa09.exe| ";
    EXPECT_EQ(fake.shell.calls,
              (std::vector<std::string>{game + form.Tx2.Text() + " |" + kGameRoot,
                                        game + "DEBUG_SHOOTOUT=1 " + form.Tx2.Text() + " |" + kGameRoot}));
}

}  // namespace
}  // namespace pp
