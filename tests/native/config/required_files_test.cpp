#include <gtest/gtest.h>

#include "config/required_files.h"
#include "tests/native/support/game_folder.h"

namespace pp {
namespace {

using RequiredFiles = GameFolder;

// Any required file missing ends the program with one message; a
// search that fails abandons the check silently.
TEST_F(RequiredFiles, EachMissingFileEndsTheProgram) {
    const std::string message = std::string(kApplicationTitle) + ": " + kMissingFilesMessage;
    for (const std::string& required : kRequiredFiles) {
        FakeOs other;
        other.InstallGame();
        other.files.Delete(kGameRoot + required);
        WiredForm run(other.os);
        run.LP.SetCaption(kGameRoot);
        EXPECT_FALSE(Runs([&] { chk(run); })) << required;
        EXPECT_EQ(other.host.messages, std::vector<std::string>{message}) << required;
        EXPECT_EQ(other.files.lookups.back(), kGameRoot + required);
    }
    fake.files.failingLookups.insert(kGameRoot + "KWTR\\stads.ini");
    fake.files.Delete(kGameRoot + "fifa09.exe");
    EXPECT_TRUE(Runs([&] { chk(form); }));
    EXPECT_TRUE(fake.host.messages.empty());
}

}  // namespace
}  // namespace pp
