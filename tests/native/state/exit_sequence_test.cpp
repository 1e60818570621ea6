#include <gtest/gtest.h>

#include "tests/native/support/game_folder.h"

namespace pp {
namespace {
using ExitSequence = GameFolder;

// Kept as bak_user.ini; stays where it is when its copy cannot be made whole and durable.
TEST_F(ExitSequence, MovesUserIniAsideUnlessKeptAndUnloadsTheTerminator) {
    fake.processes.running = {{"drc.exe", 20}};
    const std::string ini = "[OPTIONS]\r\nBOOKINGS=1\r\n", bak = kGameRoot + "bak_user.ini";
    const struct {
        int keep;
        std::set<std::string> failingCopies, failingFlushes;
        std::string userIni, bakUserIni;
    } cases[] = {{0, {}, {}, "(none)", ini},
                 {1, {}, {}, ini, "older"},
                 {2, {}, {}, ini, "older"},
                 {0, {bak}, {}, ini, "older"},
                 {0, {}, {bak}, ini, ini}};
    for (const auto& c : cases) {
        auto run = Start();
        fake.files.Put(kGameRoot + "user.ini", ini);
        fake.files.Put(bak, "older");
        fake.files.failingCopies = c.failingCopies;
        fake.files.failingFlushes = c.failingFlushes;
        run->Check2.SetValue(c.keep);
        run->TerminatorWindow().TS.SetEnabled(true);
        run->Unload();
        EXPECT_EQ(UserIni() + "|" + fake.files.Contents(bak), c.userIni + "|" + c.bakUserIni);
        EXPECT_EQ(run->LoadedTerminator(), nullptr);
    }
    EXPECT_EQ(fake.processes.snapshots, 0);
}
}  // namespace
}  // namespace pp
