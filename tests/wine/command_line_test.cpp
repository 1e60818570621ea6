// As launchers build it, against real files: a path with blanks, quoted or bare.

#include <gtest/gtest.h>

#include "app/command_line_win32.h"
#include "tests/wine/support/harness.h"
#include "win32/text.h"

namespace pp {
namespace {

using Arguments = std::vector<std::string>;

TEST(CommandLine, ArgumentsFollowTheProgramWhereverItsNameEnds) {
    test::TempFolder temp;
    const std::string folder = temp / "FIFA 09 Demo\\KWTR\\PP09", tool = folder + "\\PitchPilot.exe";
    test::MakeFolders(folder);
    test::WriteFile(tool, "");
    test::WriteFile(temp / "FIFA", "");  // a file named like the path's first part is no directory of it
    const std::vector<std::pair<std::string, Arguments>> lines = {
        {tool + " /start", {"/start"}},
        {tool + "  --PENALTY  steam", {"--PENALTY", "steam"}},
        {"\"" + tool + "\" /start \"a b\"", {"/start", "a b"}},
        {tool.substr(0, tool.size() - 4) + " /start", {"/start"}},  // the system adds .exe
        {tool, {}},
    };
    for (const auto& [line, arguments] : lines)
        EXPECT_EQ(win32::ArgumentsOf(win32::Widen(line)), arguments) << line;
}

}  // namespace
}  // namespace pp
