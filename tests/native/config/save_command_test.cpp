#include <gtest/gtest.h>

#include "config/launcher.h"
#include "config/save_command.h"
#include "tests/native/support/game_folder.h"

namespace pp {
namespace {
using SaveCommand = GameFolder;

// Byte for byte, cheat text first. A first run stores every key, so that each can be checked.
TEST_F(SaveCommand, UserIniOfARichState) {
    auto first = Start();
    first->Check2.SetValue(1);
    RunSaveCommand(*first);
    first->Unload();
    for (const std::string& key : fake.settings.savedKeys)  // every check box checked
        if (key.starts_with("c") && !key.starts_with("cb"))
            Store(key, "1");
    StoreAll(
        "c71=0.35|c72=-1.5|cb1=2|cb2=1|cb3=2|cb4=3|cb5=1|cb6=2|cb7=6|cb8=2|cb9=13|cb10=5|cb11=10|cb12=3|cb13=7|"
        "cb14=7|cb15=2|cb16=2|cb19=1|YC=OPTIONS/BOOKINGS=0 DEBUG_SHOOTOUT=1  NOVALUE gui/X=1=2/Y");
    auto rich = Start();
    rich->OT.Select(2);
    RunSaveCommand(*rich);
    RunSaveCommand(*rich);  // a second save starts from an empty token list and a fresh file
    EXPECT_EQ(UserIni(),
              "DEBUG_SHOOTOUT=1\r\nAUDIO=1\r\nVIDEO=1\r\nWINDOWED=1\r\nDISABLE_NIS=1\r\nPERFECT_GOALIE=1\r\n"
              "NO_SECOND_YELLOW=1\r\nNO_IMMEDIATE_RED_CARDS=1\r\nALLOW_DEBUG_FREE_CAM=1\r\nNO_EXTRA_TIME=1\r\n"
              "NEVERENDING_GAME=1\r\nHOME_TEAM=1\r\nAWAY_TEAM=3\r\nHOME_TEAM_KIT=3\r\nAWAY_TEAM_KIT=2\r\n"
              "STADIUM=10\r\nLIGHTING=2\r\nRESOLUTION=1600x1200x32\r\nCAMERA_BIG_ZOOM_MODIFIER=0.35\r\n"
              "CAMERA_BIG_HEIGHT_MODIFIER=-1.5\r\nSIDE_SELECT=-a\r\nHALF_SECONDS=5400\r\n"
              "[OPTIONS]\r\nBOOKINGS=1\r\nOFFSIDE=1\r\nINJURIES=1\r\nTIMEDISPLAY=1\r\nPOSTFX_IN_GAMEPLAY=1\r\n"
              "HOME_PLAYER_NAMEBAR=1\r\nAWAY_PLAYER_NAMEBAR=1\r\nDEPTH_OF_FIELD=1\r\nWIDESCREEN=1\r\n"
              "FINGRASS=1\r\nCAMERA=13\r\nDIFFICULTY_LEVEL=5\r\nCAMERA_ZOOM=100\r\nGAME_SPEED=3\r\n"
              "CAMERA_HEIGHT=70\r\nRADAR=2\r\nSHADER_QUALITY=2\r\nPLAYER_MARKER=1\r\nQUALITY=2\r\n"
              "[gui]\r\nX=1\r\nSKIP_TITLE=1\r\n");
    EXPECT_EQ(rich->Lva.List().Count(), 106);  // one token more than the blanks of the work text, once
}

// Keep box clear, no trailing separator, held open, hidden: user.ini as it was; the game gets its line.
TEST_F(SaveCommand, UserIniIsLeftAloneWhenItCannotBeReplaced) {
    for (const std::string file : kRequiredFiles)  // the save checks the game is there first
        fake.files.Put("Label2" + file, "");
    for (int setup = 0; setup < 4; ++setup) {
        fake.files.Put(kGameRoot + "user.ini", "[OLD]\r\nX=1\r\n");
        form.LP.SetCaption(setup == 1 ? "Label2" : kGameRoot);
        form.Check2.SetValue(setup == 0 ? 0 : 1);
        if (setup >= 2)
            fake.files.failingDeletes.insert(kGameRoot + "user.ini");
        if (setup == 3)
            fake.files.hidden.insert(kGameRoot + "user.ini");
        ASSERT_TRUE(Runs([&] { RunSaveCommand(form); })) << setup;
        EXPECT_EQ(fake.files.Contents(kGameRoot + "user.ini"), "[OLD]\r\nX=1\r\n") << setup;
        EXPECT_EQ(fake.profile.writes, 0) << setup;
        EXPECT_EQ(form.Tx2.Text(), DirectiveLine(form.slots)) << setup;
    }
}
}  // namespace
}  // namespace pp
