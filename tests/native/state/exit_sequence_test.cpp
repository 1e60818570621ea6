#include <gtest/gtest.h>

#include "tests/native/support/game_folder.h"

namespace pp {
namespace {
using ExitSequence = GameFolder;

TEST_F(ExitSequence, DeletesUserIniUnlessKeptAndUnloadsTheTerminator) {
    fake.processes.running = {{"drc.exe", 20}};
    for (int keep : {0, 1, 2}) {
        auto run = Start();
        fake.files.Put(kGameRoot + "user.ini", "[OPTIONS]\r\nBOOKINGS=1\r\n");
        run->Check2.SetValue(keep);
        run->TerminatorWindow().TS.SetEnabled(true);
        run->Unload();
        EXPECT_EQ(UserIni(), keep ? "[OPTIONS]\r\nBOOKINGS=1\r\n" : "(none)") << keep;
        EXPECT_EQ(run->LoadedTerminator(), nullptr);
    }
    EXPECT_EQ(fake.processes.snapshots, 0);
}
}  // namespace
}  // namespace pp
