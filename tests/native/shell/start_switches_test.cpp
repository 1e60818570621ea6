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
}

}  // namespace
}  // namespace pp
