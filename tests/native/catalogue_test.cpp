#include <gtest/gtest.h>

#include <set>

#include "app/wiring.h"
#include "config/catalogue.h"
#include "config/save_command.h"
#include "model/form1.h"
#include "tests/native/support/fakes.h"

namespace pp {
namespace {

const std::string kRoot = "C:\\Games\\FIFA 09 Demo\\";

class Catalogue : public testing::Test {
  protected:
    Catalogue() {
        for (const char* file :
             {"KWTR\\teams.ini", "KWTR\\stads.ini", "data\\fifa.fat", "fifa09.exe", "data\\cmn\\fifa.db"})
            fake.files.Put(kRoot + file, "");
        form.LP.SetCaption(kRoot);
    }

    std::vector<std::string> Slots() const {
        std::vector<std::string> all;
        for (int i = 0; i < SlotTable::kSize; ++i)
            all.push_back(form.slots.Read(i));
        return all;
    }

    // Every slot but `slot` is as `before` says.
    void ExpectOnlySlotChanged(const std::vector<std::string>& before, int slot, const std::string& name) const {
        for (int i = 0; i < SlotTable::kSize; ++i) {
            if (i != slot) {
                EXPECT_EQ(form.slots.Read(i), before[static_cast<size_t>(i)]) << name << " touched slot " << i;
            }
        }
    }

    FakeOs fake;
    Form1 form{fake.os};
    bool wired = (WireHandlers(form), true);
};

TEST_F(Catalogue, EachCheckBoxWritesItsOwnSlot) {
    struct Row {
        CheckBox Form1::*box;
        int slot;
        std::string checked, unchecked;
    };
    const std::vector<Row> table = {
        {&Form1::Check3, 2, "AUDIO=1", "AUDIO=0"},
        {&Form1::Check4, 3, "VIDEO=1", "VIDEO=0"},
        {&Form1::Check5, 4, "WINDOWED=1", "WINDOWED=0"},
        {&Form1::Check7, 6, "DISABLE_NIS=1", "DISABLE_NIS=0"},
        {&Form1::Check8, 7, "OPTIONS/OFFSIDE=1", "OPTIONS/OFFSIDE=0"},
        {&Form1::Check9, 8, "OPTIONS/INJURIES=1", "OPTIONS/INJURIES=0"},
        {&Form1::Check10, 9, "OPTIONS/BOOKINGS=1", "OPTIONS/BOOKINGS=0"},
        {&Form1::Check11, 10, "GUI/SKIP_TITLE=1", "GUI/SKIP_TITLE=0"},
        {&Form1::Check12, 11, "OPTIONS/TIMEDISPLAY=1", "OPTIONS/TIMEDISPLAY=0"},
        {&Form1::Check13, 12, "OPTIONS/POSTFX_IN_GAMEPLAY=1", "OPTIONS/POSTFX_IN_GAMEPLAY=0"},
        {&Form1::Check14, 13, "OPTIONS/HOME_PLAYER_NAMEBAR=1", "OPTIONS/HOME_PLAYER_NAMEBAR=0"},
        {&Form1::Check15, 14, "OPTIONS/AWAY_PLAYER_NAMEBAR=1", "OPTIONS/AWAY_PLAYER_NAMEBAR=0"},
        {&Form1::Check16, 15, "OPTIONS/DEPTH_OF_FIELD=1", "OPTIONS/DEPTH_OF_FIELD=0"},
        {&Form1::Check17, 16, "PERFECT_GOALIE=1", "PERFECT_GOALIE=0"},
        {&Form1::Check18, 17, "NO_SECOND_YELLOW=1", "NO_SECOND_YELLOW=0"},
        {&Form1::Check19, 18, "NO_IMMEDIATE_RED_CARDS=1", "NO_IMMEDIATE_RED_CARDS=0"},
        {&Form1::Check21, 20, "OPTIONS/WIDESCREEN=1", "OPTIONS/WIDESCREEN=0"},
        {&Form1::Check22, 21, "ALLOW_DEBUG_FREE_CAM=1", "ALLOW_DEBUG_FREE_CAM=0"},
        {&Form1::Check25, 24, "NO_EXTRA_TIME=1", "NO_EXTRA_TIME=0"},
        {&Form1::Check26, 25, "NEVERENDING_GAME=1", "NEVERENDING_GAME=0"},
        {&Form1::Check28, 27, "OPTIONS/FINGRASS=1", "OPTIONS/FINGRASS=0"},
    };
    for (const Row& row : table) {
        CheckBox& box = form.*row.box;
        const auto before = Slots();
        box.SetValue(1);
        EXPECT_EQ(form.slots.Read(row.slot), row.checked) << box.Name();
        box.SetValue(2);  // grey counts as unchecked
        EXPECT_EQ(form.slots.Read(row.slot), row.unchecked) << box.Name();
        box.SetValue(1);
        box.SetValue(0);
        EXPECT_EQ(form.slots.Read(row.slot), row.unchecked) << box.Name();
        ExpectOnlySlotChanged(before, row.slot, box.Name());
    }
}

TEST_F(Catalogue, EachComboBoxWritesItsSlotForEveryItem) {
    struct Row {
        ComboBox Form1::*box;
        int slot;
        std::string prefix;
        std::vector<std::string> values;  // one per item, in list order
    };
    const std::vector<std::string> tens = {"0", "10", "20", "30", "40", "50", "60", "70", "80", "90", "100"};
    const std::vector<Row> table = {
        {&Form1::Combo3, 52, "HOME_TEAM_KIT=", {"0", "1", "3", "2"}},
        {&Form1::Combo4, 53, "AWAY_TEAM_KIT=", {"0", "1", "3", "2"}},
        {&Form1::Combo6, 55, "LIGHTING=", {"0", "1", "2"}},
        {&Form1::Combo7,
         56,
         "RESOLUTION=",
         {"640x480x32", "800x600x32", "1024x768x32", "1280x768x32", "1280x1024x32", "1440x900x32", "1600x1200x32"}},
        {&Form1::Combo9,
         58,
         "OPTIONS/CAMERA=",
         {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13"}},
        {&Form1::Combo10, 59, "OPTIONS/DIFFICULTY_LEVEL=", {"0", "1", "2", "3", "4", "5"}},
        {&Form1::Combo11, 60, "OPTIONS/CAMERA_ZOOM=", tens},
        {&Form1::Combo12, 61, "OPTIONS/GAME_SPEED=", {"0", "1", "2", "3"}},
        {&Form1::Combo13, 62, "OPTIONS/CAMERA_HEIGHT=", tens},
        {&Form1::Combo15, 64, "OPTIONS/RADAR=", {"0", "1", "2"}},
        {&Form1::Combo16, 65, "OPTIONS/SHADER_QUALITY=", {"0", "1", "2"}},
        {&Form1::Combo19, 68, "OPTIONS/PLAYER_MARKER=", {"0", "1", "2"}},
        {&Form1::Combo8, 95, "OPTIONS/QUALITY=", {"0", "1", "2"}},
        {&Form1::Combo14, 98, "HALF_SECONDS=", {"3", "120", "240", "360", "480", "600", "2700", "5400"}},
    };
    for (const Row& row : table) {
        ComboBox& box = form.*row.box;
        ASSERT_EQ(box.List().Count(), static_cast<int>(row.values.size())) << box.Name();
        for (size_t i = 0; i < row.values.size(); ++i) {
            const auto before = Slots();
            box.SetListIndex(static_cast<int>(i));
            EXPECT_EQ(form.slots.Read(row.slot), row.prefix + row.values[i]) << box.Name() << " item " << i;
            // The shader list also unchecks depth of field; that slot belongs to Check16.
            if (row.box != &Form1::Combo16)
                ExpectOnlySlotChanged(before, row.slot, box.Name());
        }
    }
}

TEST_F(Catalogue, ComboBoxWithoutSelectionWritesByItsRule) {
    struct Row {
        ComboBox Form1::*box;
        int slot;
        std::string afterClearing;  // what the slot holds once the selection is taken away
    };
    const std::vector<Row> table = {
        {&Form1::Combo6, 55, "LIGHTING=-1"},            // index
        {&Form1::Combo11, 60, "OPTIONS/CAMERA_ZOOM="},  // item text
        {&Form1::Combo3, 52, "HOME_TEAM_KIT=0"},        // kit: unchanged
        {&Form1::Combo14, 98, "HALF_SECONDS=3"},        // minutes: unchanged
    };
    for (const Row& row : table) {
        ComboBox& box = form.*row.box;
        box.SetListIndex(0);
        box.SetListIndex(-1);
        EXPECT_EQ(form.slots.Read(row.slot), row.afterClearing) << box.Name();
    }
}

TEST_F(Catalogue, HalfLengthThatIsNoNumberLeavesTheSlot) {
    form.Combo14.SetListIndex(7);
    for (const char* item : {"abc", "", "1,5", " 2", "inf", "nan", "1e400", "0x10"}) {
        form.Combo14.List().Add(item);
        form.Combo14.SetListIndex(form.Combo14.List().Count() - 1);
        EXPECT_EQ(form.slots.Read(98), "HALF_SECONDS=5400") << '"' << item << '"';
        form.Combo14.SetListIndex(7);
    }
}

TEST(HalfLength, MinutesTimesSixtyAsShortestDecimalText) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"0.05", "3"}, {"2", "120"}, {"90", "5400"},   {"1.5", "90"}, {"0.01", "0.6"},
        {"-1", "-60"}, {"-0", "0"},  {"1e3", "60000"}, {"0.1", "6"},  {"0.3", "18"},
    };
    for (const auto& [minutes, seconds] : cases)
        EXPECT_EQ(HalfLengthSeconds(minutes), seconds) << minutes;
}

TEST_F(Catalogue, ShaderBelowHighUnchecksAndLocksDepthOfField) {
    form.Combo16.SetListIndex(2);
    form.Check16.SetValue(1);
    ASSERT_EQ(form.slots.Read(15), "OPTIONS/DEPTH_OF_FIELD=1");

    form.Combo16.SetListIndex(1);
    EXPECT_FALSE(form.Check16.Enabled());
    EXPECT_EQ(form.Check16.Value(), 0);
    EXPECT_EQ(form.slots.Read(15), "OPTIONS/DEPTH_OF_FIELD=0");
    EXPECT_EQ(form.slots.Read(65), "OPTIONS/SHADER_QUALITY=1");

    form.Combo16.SetListIndex(2);
    EXPECT_TRUE(form.Check16.Enabled());
    EXPECT_EQ(form.Check16.Value(), 0);  // usable again, not checked again
    EXPECT_EQ(form.slots.Read(15), "OPTIONS/DEPTH_OF_FIELD=0");
}

TEST_F(Catalogue, ShaderBelowHighWritesNoDepthDirectiveWhenTheBoxWasClear) {
    form.Combo16.SetListIndex(0);
    EXPECT_FALSE(form.Check16.Enabled());
    EXPECT_EQ(form.slots.Read(15), "");  // the value did not change, so Check16 raised no Click
}

TEST_F(Catalogue, LanguageBoxEnablesTheLanguageListAndWritesNothing) {
    const auto before = Slots();
    form.Check20.SetValue(1);
    EXPECT_TRUE(form.Combo18.Enabled());
    form.Combo18.SetListIndex(4);
    form.Check20.SetValue(2);
    EXPECT_FALSE(form.Combo18.Enabled());
    form.Check20.SetValue(0);
    EXPECT_FALSE(form.Combo18.Enabled());
    form.Check6.SetValue(1);
    EXPECT_EQ(Slots(), before);
}

TEST_F(Catalogue, SideButtonsWriteSlot96) {
    form.OT.Select(2);
    EXPECT_EQ(form.slots.Read(96), "SIDE_SELECT=-a");
    form.OT.Select(1);
    EXPECT_EQ(form.slots.Read(96), "");
    form.OT.Select(0);
    EXPECT_EQ(form.slots.Read(96), "SIDE_SELECT=-h");
    form.OT.onClick(3);
    form.OT.onClick(-1);
    EXPECT_EQ(form.slots.Read(96), "SIDE_SELECT=-h");
}

TEST_F(Catalogue, ModifierKeyFilterLetsOnlyNumberKeysThrough) {
    const std::set<int> passing = {'0', '1', '2', '3', '4', '5', '6', '7', '8', '9', '-', '.', 8};
    for (int code = 0; code < 0x10000; ++code)
        EXPECT_EQ(ModifierKeyPasses(code), passing.count(code) == 1) << code;
    for (TextBox* box : {&form.ZMO, &form.HMO}) {
        box->SetText("");
        for (int key : {'1', 'a', '.', ' ', ',', '.', '5', '-', 'E', '+'})
            box->UserTypes(key);
        EXPECT_EQ(box->Text(), "1..5-") << box->Name();
        EXPECT_EQ(box->UserTypes(8), 8);
        EXPECT_EQ(box->Text(), "1..5");
    }
}

TEST_F(Catalogue, CameraModifierSwitchWritesTypedValuesOrTheDefaults) {
    form.ZMO.SetText("0.9");
    form.HMO.SetText("");
    form.Check70.SetValue(1);
    EXPECT_TRUE(form.ZMO.Enabled());
    EXPECT_TRUE(form.HMO.Enabled());
    EXPECT_EQ(form.slots.Read(70), "CAMERA_BIG_ZOOM_MODIFIER=0.9");
    EXPECT_EQ(form.slots.Read(71), "CAMERA_BIG_HEIGHT_MODIFIER=");

    form.Check70.SetValue(0);
    EXPECT_FALSE(form.ZMO.Enabled());
    EXPECT_FALSE(form.HMO.Enabled());
    EXPECT_EQ(form.ZMO.Text(), "0.9");
    EXPECT_EQ(form.slots.Read(70), "CAMERA_BIG_ZOOM_MODIFIER=0.15");
    EXPECT_EQ(form.slots.Read(71), "CAMERA_BIG_HEIGHT_MODIFIER=0.08");
}

TEST_F(Catalogue, CameraModifierTypedAfterTheClickCountsFromTheNextSave) {
    form.Check70.SetValue(1);
    form.ZMO.SetText("0.3");
    EXPECT_EQ(form.slots.Read(70), "CAMERA_BIG_ZOOM_MODIFIER=0.5");
    RunSaveCommand(form);
    EXPECT_EQ(form.slots.Read(70), "CAMERA_BIG_ZOOM_MODIFIER=0.3");
    EXPECT_EQ(form.slots.Read(71), "CAMERA_BIG_HEIGHT_MODIFIER=0.5");

    form.Check70.SetValue(0);
    form.ZMO.SetText("0.7");
    RunSaveCommand(form);
    EXPECT_EQ(form.slots.Read(70), "CAMERA_BIG_ZOOM_MODIFIER=0.15");
    EXPECT_EQ(form.slots.Read(71), "CAMERA_BIG_HEIGHT_MODIFIER=0.08");
}

TEST_F(Catalogue, SlotsOutsideTheCatalogueStayEmpty) {
    for (CheckBox* box :
         {&form.Check1,  &form.Check3,  &form.Check4,  &form.Check5,  &form.Check6,  &form.Check7,  &form.Check8,
          &form.Check9,  &form.Check10, &form.Check11, &form.Check12, &form.Check13, &form.Check14, &form.Check15,
          &form.Check16, &form.Check17, &form.Check18, &form.Check19, &form.Check20, &form.Check21, &form.Check22,
          &form.Check23, &form.Check24, &form.Check25, &form.Check26, &form.Check27, &form.Check28, &form.Check70})
        box->SetValue(1);
    for (ComboBox* box : {&form.Combo3, &form.Combo4, &form.Combo6, &form.Combo7, &form.Combo8, &form.Combo9,
                          &form.Combo10, &form.Combo11, &form.Combo12, &form.Combo13, &form.Combo14, &form.Combo15,
                          &form.Combo16, &form.Combo18, &form.Combo19})
        box->SetListIndex(1);
    form.OT.Select(2);
    std::vector<int> written;
    for (int i = 0; i < SlotTable::kSize; ++i)
        if (!form.slots.Read(i).empty())
            written.push_back(i);
    const std::vector<int> catalogue = {2,  3,  4,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17, 18, 20, 21, 24,
                                        25, 27, 52, 53, 55, 56, 58, 59, 60, 61, 62, 64, 65, 68, 70, 71, 95, 96, 98};
    EXPECT_EQ(written, catalogue);
}

}  // namespace
}  // namespace pp
