#include <gtest/gtest.h>

#include "config/launcher.h"
#include "config/save_command.h"
#include "tests/native/support/game_folder.h"

namespace pp {
namespace {
using SaveCommand = GameFolder;

// Byte for byte: the first run's line (every slot in place), a rich state's user.ini (cheat text first).
TEST_F(SaveCommand, DirectiveLineOfAFirstRunAndUserIniOfARichState) {
    auto first = Start();
    first->Check2.SetValue(1);
    RunSaveCommand(*first);
    EXPECT_EQ(
        first->Tx2.Text(),
        "   AUDIO=0 VIDEO=0 WINDOWED=0  DISABLE_NIS=0 OPTIONS/OFFSIDE=0 OPTIONS/INJURIES=0 OPTIONS/BOOKINGS=0 "
        "GUI/SKIP_TITLE=0 OPTIONS/TIMEDISPLAY=0 OPTIONS/POSTFX_IN_GAMEPLAY=0 OPTIONS/HOME_PLAYER_NAMEBAR=0 "
        "OPTIONS/AWAY_PLAYER_NAMEBAR=0 OPTIONS/DEPTH_OF_FIELD=0 PERFECT_GOALIE=0 NO_SECOND_YELLOW=0 "
        "NO_IMMEDIATE_RED_CARDS=0  OPTIONS/WIDESCREEN=0 ALLOW_DEBUG_FREE_CAM=0   NO_EXTRA_TIME=0 NEVERENDING_GAME=0 "
        " OPTIONS/FINGRASS=0                       HOME_TEAM=2 AWAY_TEAM=2 HOME_TEAM_KIT=0 AWAY_TEAM_KIT=0 "
        " LIGHTING=0 RESOLUTION=1024x768x32  OPTIONS/CAMERA=0 OPTIONS/DIFFICULTY_LEVEL=0 OPTIONS/CAMERA_ZOOM=0 "
        "OPTIONS/GAME_SPEED=0 OPTIONS/CAMERA_HEIGHT=0  OPTIONS/RADAR=0 OPTIONS/SHADER_QUALITY=0   "
        "OPTIONS/PLAYER_MARKER=0 "
        " CAMERA_BIG_ZOOM_MODIFIER=0.15 CAMERA_BIG_HEIGHT_MODIFIER=0.08                        OPTIONS/QUALITY=0 "
        "SIDE_SELECT=-h  HALF_SECONDS=3 ");
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
