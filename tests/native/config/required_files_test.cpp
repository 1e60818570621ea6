#include <gtest/gtest.h>

#include "config/required_files.h"
#include "tests/native/support/game_folder.h"

namespace pp {
namespace {
using RequiredFiles = GameFolder;

// Any missing required file ends the program with one message; a failed search skips the check.
TEST_F(RequiredFiles, EachMissingFileEndsTheProgram) {
    for (const std::string required : kRequiredFiles) {
        fake.files.Delete(kGameRoot + required);
        EXPECT_FALSE(Runs([&] { chk(form); })) << required;
        EXPECT_EQ(fake.files.lookups.back(), kGameRoot + required);
        fake.files.Put(kGameRoot + required, "");
    }
    const std::string message = std::string(kApplicationTitle) + ": " + kMissingFilesMessage;
    EXPECT_EQ(fake.host.messages, Items(kRequiredFiles.size(), message));
    fake.files.failingLookups.insert(kGameRoot + "KWTR\\stads.ini");
    fake.files.Delete(kGameRoot + "fifa09.exe");
    EXPECT_TRUE(Runs([&] { chk(form); }));
    EXPECT_EQ(fake.host.messages.size(), kRequiredFiles.size());
}
}  // namespace
}  // namespace pp
