#include <gtest/gtest.h>

#include "shell/start_switches.h"
#include "tests/native/support/game_folder.h"

namespace pp {
namespace {
using enum CommandLineRequest;

TEST(CommandLine, OneSwitchOfAnyPrefixAndCaseWordsOfLaunchersIgnored) {
    const std::vector<std::pair<CommandLineRequest, std::vector<std::vector<std::string>>>> arguments = {
        {Start, {{"/start"}, {"-START"}, {"--Start"}, {"steam", "/start", "09"}}},
        {PenaltyStart, {{"/PENALTY"}, {"--penalty"}}},
        {Help, {{"/?"}, {"-h"}, {"--help"}}},
        {Unknown, {{"/starts"}, {"---start"}, {"/"}, {"/start", "/penalty"}, {"/start", "-start"}}},
        {None, {{}, {"start"}, {""}, {"09", "Demo\\KWTR\\PP09\\PitchPilot.exe"}}},
    };
    for (const auto& [request, each] : arguments)
        for (const std::vector<std::string>& line : each)
            EXPECT_EQ(ParseCommandLine(line), request) << (line.empty() ? "" : line.front());
}

// A launcher that starts the program by its bare path hands over a name with blanks; the system ran
// the first blank-ended part that names a file.
TEST(CommandLine, TheProgramsNameEndsWhereTheSystemFoundTheProgram) {
    const std::string bare = "C:\\Games\\FIFA 09 Demo\\KWTR\\PP09\\PitchPilot.exe";
    const auto onlyTheTool = [&](std::string_view path) { return path == bare || path == "C:\\A B C\\P.exe"; };
    const std::vector<std::pair<std::string, std::string>> lines = {
        {bare + " /start", " /start"},
        {bare, ""},
        {"\"" + bare + "\" /penalty", " /penalty"},
        {"\"" + bare + "\"/start", "/start"},
        {"\"C:\\no closing quote /start", ""},
        {"PitchPilot.exe\t/start", "\t/start"},
        {"\"\" /start", " /start"},
        {"C:\\A B C\\P.exe /start", " /start"},
        {"C:\\Games\\Other Place\\PitchPilot.exe /start", " Place\\PitchPilot.exe /start"},  // no such file
    };
    for (const auto& [line, rest] : lines)
        EXPECT_EQ(line.substr(EndOfProgramName(line, onlyTheTool)), rest) << line;
}

// The usage box tells every switch with its help, and each switch it shows works as shown.
TEST(CommandLine, TheUsageShowsSwitchesThatWork) {
    const std::string usage = UsageMessage();
    for (const StartSwitch& each : kStartSwitches) {
        const std::string shown = std::string("/") + each.names.front();
        EXPECT_NE(usage.find(shown + ": " + each.help + "\n"), std::string::npos) << shown;
        EXPECT_EQ(ParseCommandLine({shown}), each.request) << shown;
    }
    EXPECT_EQ(usage.rfind("PitchPilot.exe [/start | /penalty | /?]\n\n", 0), 0u) << usage;
    EXPECT_NE(usage.find("Also -start or --START, in any case."), std::string::npos) << usage;
}

// The save runs first, then the game starts, as a click on START or PENALTY does.
struct StartRequest : GameFolder {
    size_t Starts() const { return fake.shell.calls.size(); }
};

TEST_F(StartRequest, ASwitchStartsTheMatchOfItsButtonAfterTheSave) {
    fake.settings.values[StoreKey("c2")] = "1";
    form.Check2.SetValue(1);
    RunStartRequest(form, PenaltyStart);
    ASSERT_EQ(Starts(), 1u);
    EXPECT_NE(fake.shell.calls[0].find("DEBUG_SHOOTOUT=1"), std::string::npos) << fake.shell.calls[0];
    EXPECT_NE(UserIni(), "(none)") << "the save ran first";
    for (CommandLineRequest other : {None, Help, Unknown})
        RunStartRequest(form, other);
    EXPECT_EQ(Starts(), 1u);
    RunStartRequest(form, CommandLineRequest::Start);
    ASSERT_EQ(Starts(), 2u);
    EXPECT_EQ(fake.shell.calls[1].find("DEBUG_SHOOTOUT"), std::string::npos) << fake.shell.calls[1];
}

// A double click on the quick-match shortcut: two copies started at 100 and 101, whichever request
// reaches the window first, start one match; a copy started after that match asks for its own.
TEST_F(StartRequest, CopiesStartedTogetherStartOneMatch) {
    for (const auto& [first, second] : {std::pair<uint64_t, uint64_t>{100, 101}, {101, 100}}) {
        StartSwitchRuns runs;
        const size_t before = Starts();
        EXPECT_TRUE(runs.Run(form, CommandLineRequest::Start, first, 500));
        EXPECT_FALSE(runs.Run(form, CommandLineRequest::Start, second, 520));
        EXPECT_FALSE(runs.Run(form, PenaltyStart, 500, 530)) << "started as the match started";
        EXPECT_EQ(Starts(), before + 1);
        EXPECT_TRUE(runs.Run(form, PenaltyStart, 501, 9000));
        EXPECT_FALSE(runs.Run(form, Help, 9500, 9600));
        EXPECT_EQ(Starts(), before + 2);
    }
}

}  // namespace
}  // namespace pp
