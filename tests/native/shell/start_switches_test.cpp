#include <gtest/gtest.h>

#include "process/game_watch.h"
#include "shell/start_switches.h"
#include "tests/native/support/game_folder.h"

namespace pp {
namespace {
using enum CommandLineRequest;
using Line = Items;

TEST(CommandLine, SwitchesOfAnyPrefixAndCaseWordsOfLaunchersIgnored) {
    const StartOptions start{Start}, none{};
    const std::vector<std::pair<StartOptions, std::vector<Line>>> lines = {
        {start, {{"/start"}, {"-START"}, {"--Start"}, {"steam", "/start", "09"}}},
        {{PenaltyStart}, {{"/PENALTY"}, {"--penalty"}}},
        {{Help}, {{"/?"}, {"-h"}, {"--help"}, {"/start", "/bogus", "/help"}}},
        {{Start, "Cup final", true},
         {{"/setup", "Cup final", "/start", "/close-after"}, {"--close-after", "--SETUP=Cup final", "-start"}}},
        {{None, "-start"}, {{"/setup", "-start"}}},
        {{PenaltyStart, std::nullopt, true}, {{"/penalty", "/Close-After"}}},
        {none, {{}, {"start"}, {""}, {"09", "Demo\\KWTR\\PP09\\PitchPilot.exe"}}},
        {{GrantFolderAccess}, {{"/grant-folder-access", "S-1-1-0", "C:\\"}}}  // what follows is AccountToGrant's
    };
    for (const auto& [options, each] : lines)
        for (const Line& line : each)
            EXPECT_EQ(ParseCommandLine(line), options) << testing::PrintToString(line);
    for (const std::string& line : SplitAt(
             "/starts|---start|/|/start /penalty|/start -start|/start=1|/setup|/setup=|/setup a /setup b|/close-after|"
             "/setup a /close-after|/start /close-after /close-after|/start /close-after=1",
             "|"))
        EXPECT_EQ(ParseCommandLine(SplitAt(line, " ")), StartOptions{Unknown}) << line;
}

// A bare path with blanks: the system ran the first blank-ended part that names a file.
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
        {"C:\\Games\\Other Place\\PitchPilot.exe /start", " Place\\PitchPilot.exe /start"}  // no such file
    };
    for (const auto& [line, rest] : lines)
        EXPECT_EQ(line.substr(EndOfProgramName(line, onlyTheTool)), rest) << line;
}

// The usage box tells every switch with its help, and each switch it shows works as shown.
TEST(CommandLine, TheUsageShowsSwitchesThatWork) {
    const std::string usage = UsageMessage();
    for (const StartSwitch& each : kStartSwitches) {
        if (!each.help)
            continue;  // no player's switch
        const std::string shown = std::string("/") + each.names.front();
        const std::string value = each.value ? std::string(" ") + each.value : "";
        EXPECT_NE(usage.find(shown + value + ": " + each.help + "\n"), std::string::npos) << shown;
        if (each.role == SwitchRole::Request) {
            EXPECT_EQ(ParseCommandLine({shown}).request, each.request) << shown;
        }
    }
    EXPECT_EQ(usage.rfind("PitchPilot.exe [/start | /penalty | /setup <name> | /close-after | /?]\n\n", 0), 0u)
        << usage;
    EXPECT_NE(usage.find("Also -start or --START, in any case"), std::string::npos) << usage;
    EXPECT_EQ(usage.find("grant"), std::string::npos) << "the elevated copy's switch is no player's";
}

// What a second copy hands over comes back as it was sent; bytes that are no hand-over give none.
TEST(CommandLine, AHandOverReadsBackWholeOrNotAtAll) {
    const HandOver sent{0x0123456789ABCDEFull, {"/setup", "Cup final \xE6\x97\xA5", "", "/start"}};
    const std::string bytes = HandOverBytes(sent);
    const std::optional<HandOver> read = ReadHandOver(bytes);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->askedAt, sent.askedAt);
    EXPECT_EQ(read->arguments, sent.arguments);
    EXPECT_EQ(ReadHandOver(bytes.substr(0, 8))->arguments, Line{});
    for (const std::string& bad : {bytes.substr(0, 7), bytes.substr(0, bytes.size() - 1), std::string()})
        EXPECT_FALSE(ReadHandOver(bad)) << bad.size();
}

// The save runs first, then the game starts, as a click on START or PENALTY does.
using StartSwitchRun = GameFolder;

// A double click on the shortcut: whichever request comes first, one match; a later copy gets its own.
TEST_F(StartSwitchRun, CopiesStartedTogetherStartOneMatch) {
    for (const auto& [first, second] : {std::pair<uint64_t, uint64_t>{100, 101}, {101, 100}}) {
        StartSwitchRuns runs;
        const size_t before = fake.shell.calls.size();
        const auto ask = [&](CommandLineRequest request, uint64_t askedAt, uint64_t now) {
            if (!runs.Admits({request}, askedAt))
                return false;
            runs.Run(form, {request}, now);
            return true;
        };
        EXPECT_TRUE(ask(CommandLineRequest::Start, first, 500));
        EXPECT_FALSE(ask(CommandLineRequest::Start, second, 520));
        EXPECT_FALSE(ask(PenaltyStart, 500, 530)) << "started as the match started";
        EXPECT_TRUE(runs.Admits({None, "a setup"}, 100)) << "a setup alone asks for no match";
        EXPECT_EQ(fake.shell.calls.size(), before + 1);
        EXPECT_TRUE(ask(PenaltyStart, 501, 9000));
        EXPECT_EQ(fake.shell.calls.size(), before + 2);
    }
}

// Looked for at every tick until it shows, then every tenth; a game that never shows leaves the tool open.
TEST_F(StartSwitchRun, CloseAfterClosesOnceTheGameThatRanHasEnded) {
    const auto ticks = [&](int count) {
        for (int i = 0; i < count; ++i)
            form.TKEY.Tick();
        return fake.window.closes;
    };
    fake.processes.running = {{"PitchPilot.exe", 1}};
    StartSwitchRuns runs;
    runs.Run(form, {CommandLineRequest::Start}, 1);
    EXPECT_EQ(ticks(50), 0) << "no watch without /close-after";

    runs.Run(form, {CommandLineRequest::Start, std::nullopt, true}, 2);
    EXPECT_EQ(ticks(50), 0) << "the game has not shown yet";
    fake.processes.running.push_back({"FIFA09.EXE", 7});
    int snapshots = fake.processes.snapshots;
    EXPECT_EQ(ticks(1), 0);
    EXPECT_EQ(fake.processes.snapshots, snapshots + 1) << "seen at the first tick";
    EXPECT_EQ(ticks(30), 0) << "still running";
    fake.processes.running.clear();  // no snapshot is no answer
    EXPECT_EQ(ticks(20), 0);
    fake.processes.running = {{"PitchPilot.exe", 1}};
    snapshots = fake.processes.snapshots;
    EXPECT_EQ(ticks(9), 0);
    EXPECT_EQ(ticks(1), 1) << "ended";
    EXPECT_EQ(fake.processes.snapshots, snapshots + 1) << "one look in ten ticks while it runs";
    EXPECT_EQ(ticks(100), 1) << "closed once";

    runs.Run(form, {PenaltyStart, std::nullopt, true}, 3);
    EXPECT_EQ(ticks(600), 1);
    fake.processes.running.push_back({"fifa09.exe", 8});
    EXPECT_EQ(ticks(100), 1) << "a game that shows only after a minute is not watched";
    fake.processes.running.pop_back();
    EXPECT_EQ(ticks(100), 1);
}

// Any other request, or a number that is none (from another copy), saves and starts nothing.
TEST_F(StartSwitchRun, StartsTheMatchOfItsSwitchAfterTheSave) {
    form.Check2.SetValue(1);
    for (const CommandLineRequest request : {None, Help, Unknown, static_cast<CommandLineRequest>(99)})
        RunStartRequest(form, request);
    EXPECT_TRUE(fake.shell.calls.empty());
    EXPECT_EQ(UserIni(), "(none)");
    RunStartRequest(form, CommandLineRequest::Start);
    ASSERT_FALSE(form.Tx2.Text().empty()) << "the save made the line";
    RunStartRequest(form, PenaltyStart);
    const std::string game = kGameRoot + "fifa09.exe| ";
    EXPECT_EQ(fake.shell.calls, (Items{game + form.Tx2.Text() + " |" + kGameRoot,
                                       game + "DEBUG_SHOOTOUT=1 " + form.Tx2.Text() + " |" + kGameRoot}));
}

// Refused: a group, a well-known account, a malformed SID, a path, a further argument.
TEST(CommandLine, TheGrantSwitchTakesExactlyOnePersonsAccount) {
    const std::string sid = "S-1-5-21-1004336348-1177238915-682003330-1001";
    for (const std::string& account :
         {sid, std::string("S-1-12-1-3570411327-1246547654-2473652897-4294967295"), std::string("S-1-5-21-0-0-0-1000")})
        EXPECT_EQ(AccountToGrant({"--GRANT-FOLDER-ACCESS", account}), account) << account;
    const std::vector<Items> refused = {{"/grant-folder-access"},
                                        {"/grant-folder-access", sid, "C:\\Program Files"},
                                        {"/grant-folder-access", "C:\\Program Files (x86)\\EA"},
                                        {"/start", sid},
                                        {sid, "/grant-folder-access"}};
    // Everyone, the Administrators, the system itself, a machine and no account, then malformed ones.
    for (const std::string account :
         {"S-1-1-0", "S-1-5-32-544", "S-1-5-18", "S-1-5-21-1-2-3", "S-1-5-21-1-2-3-4-5", "S-1-5-21-1-2-3-4294967296",
          "S-1-5-21-1-2-3-01", "S-1-5-21-1-2--3", "S-1-5-21-1-2-3-", "S-1-5-21-1-2-3-+1", "S-1-5-21-1-2-3-1001 ",
          "s-1-5-21-1-2-3-1001", "S-1-5-21-1-2-3-1001\\..\\x", ""})
        EXPECT_EQ(AccountToGrant({"/grant-folder-access", account}), std::nullopt) << account;
    for (const auto& arguments : refused)
        EXPECT_EQ(AccountToGrant(arguments), std::nullopt) << arguments.back();
}
}  // namespace
}  // namespace pp
