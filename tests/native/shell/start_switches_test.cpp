#include <gtest/gtest.h>

#include "shell/start_switches.h"

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
    EXPECT_EQ(ParseCommandLine({"/grant-folder-access", "S-1-1-0", "C:\\"}), GrantFolderAccess);
    const std::string usage = UsageMessage();
    EXPECT_EQ(usage.find("grant"), std::string::npos) << "no player's switch";
    EXPECT_NE(usage.find("\n/start: starts the match, as the START button does.\n"), std::string::npos) << usage;
    EXPECT_NE(usage.find("--START,"), std::string::npos) << usage;
}

// The elevated copy's switch does one thing for one person's account: anything else is refused,
// a group, a well-known account, a malformed SID, a path, a further argument.
TEST(CommandLine, TheGrantSwitchTakesExactlyOnePersonsAccount) {
    const std::string sid = "S-1-5-21-1004336348-1177238915-682003330-1001";
    for (const std::string& account :
         {sid, std::string("S-1-12-1-3570411327-1246547654-2473652897-4294967295"), std::string("S-1-5-21-0-0-0-1000")})
        EXPECT_EQ(AccountToGrant({"--GRANT-FOLDER-ACCESS", account}), account) << account;
    const std::vector<std::vector<std::string>> refused = {
        {"/grant-folder-access"},
        {"/grant-folder-access", sid, "C:\\Program Files"},
        {"/grant-folder-access", "C:\\Program Files (x86)\\EA"},
        {"/start", sid},
        {sid, "/grant-folder-access"},
        {"/grant-folder-access", "S-1-1-0"},         // Everyone
        {"/grant-folder-access", "S-1-5-32-544"},    // the Administrators
        {"/grant-folder-access", "S-1-5-18"},        // the system itself
        {"/grant-folder-access", "S-1-5-21-1-2-3"},  // a machine, no account
        {"/grant-folder-access", "S-1-5-21-1-2-3-4-5"},
        {"/grant-folder-access", "S-1-5-21-1-2-3-4294967296"},
        {"/grant-folder-access", "S-1-5-21-1-2-3-01"},
        {"/grant-folder-access", "S-1-5-21-1-2--3"},
        {"/grant-folder-access", "S-1-5-21-1-2-3-"},
        {"/grant-folder-access", "S-1-5-21-1-2-3-+1"},
        {"/grant-folder-access", "S-1-5-21-1-2-3-1001 "},
        {"/grant-folder-access", "s-1-5-21-1-2-3-1001"},
        {"/grant-folder-access", "S-1-5-21-1-2-3-1001\\..\\x"},
        {"/grant-folder-access", ""},
    };
    for (const auto& arguments : refused)
        EXPECT_EQ(AccountToGrant(arguments), std::nullopt) << arguments.back();
}

}  // namespace
}  // namespace pp
