#include <gtest/gtest.h>
#include <set>

#include "config/catalogue.h"
#include "config/save_command.h"
#include "tests/native/support/game_folder.h"

namespace pp {
namespace {
using Catalogue = GameFolder;

TEST(HalfLengthSeconds, MinutesTimesSixtyAsShortestDecimalTextOrNothing) {
    // 0.03 gives 17 digits; the last two are 2^-24 and 2^-97, whose shortest digits of that length do not read back
    const std::vector<std::pair<std::string, std::string>> halves = {
        {"0.05", "3"},
        {"0.01", "0.6"},
        {"-0", "0"},
        {"1e3", "60000"},
        {"0.3", "18"},
        {"0.03", "1.7999999999999998"},
        {"9.934107462565104e-10", "0.00000005960464477539063"},
        {"1.0518145402946824e-31", "0.000000000000000000000000000006310887241768095"}};
    for (const auto& [minutes, seconds] : halves)
        EXPECT_EQ(HalfLengthSeconds(minutes), seconds) << minutes;
    for (const std::string minutes : {"", "abc", "1,5", " 2", "nan", "1e400", "0x10"})
        EXPECT_EQ(HalfLengthSeconds(minutes), std::nullopt) << '"' << minutes << '"';
}

// Depth of field goes with the high shader alone; the language list with its box; grey is unchecked.
TEST_F(Catalogue, ShaderAndLanguageBoxLockTheirPartners) {
    form.Check3.SetValue(2);
    EXPECT_EQ(form.slots.Read(2), "AUDIO=0");
    form.Combo16.SetListIndex(2);
    form.Check16.SetValue(1);
    form.Combo16.SetListIndex(1);
    EXPECT_FALSE(form.Check16.Enabled());
    EXPECT_EQ(form.slots.Read(15), "OPTIONS/DEPTH_OF_FIELD=0");
    form.Combo16.SetListIndex(2);
    EXPECT_TRUE(form.Check16.Enabled());
    EXPECT_EQ(form.Check16.Value(), 0);  // usable again, not checked again
    const std::string line = DirectiveLine(form.slots);
    for (int value : {1, 2, 0, 1}) {
        form.Check20.SetValue(value);
        EXPECT_EQ(form.Combo18.Enabled(), value == 1) << value;
    }
    form.Combo18.SetListIndex(4);
    EXPECT_EQ(DirectiveLine(form.slots), line);  // the language writes no directive
}

// The typed modifiers, or the defaults while off; text typed after the click counts from the next save.
TEST_F(Catalogue, CameraModifierSwitchWritesTheTypedValuesOrTheDefaults) {
    const std::set<int> passing = {'0', '1', '2', '3', '4', '5', '6', '7', '8', '9', '-', '.', 8};
    for (int code = 0; code < 0x10000; ++code)
        ASSERT_EQ(ModifierKeyPasses(code), passing.count(code) == 1) << code;
    for (TextBox* box : {&form.ZMO, &form.HMO}) {
        box->SetText("");
        for (int key : {int{'1'}, int{'a'}, int{'.'}, int{' '}, int{','}, int{'5'}, int{'-'}, int{'E'}, 8})
            box->UserTypes(key);
    }
    form.Check70.SetValue(1);
    EXPECT_TRUE(form.ZMO.Enabled() && form.HMO.Enabled());
    EXPECT_EQ(form.slots.Read(70) + " " + form.slots.Read(71),
              "CAMERA_BIG_ZOOM_MODIFIER=1.5 CAMERA_BIG_HEIGHT_MODIFIER=1.5");
    form.ZMO.SetText("0.3");
    EXPECT_EQ(form.slots.Read(70), "CAMERA_BIG_ZOOM_MODIFIER=1.5");
    RunSaveCommand(form);
    EXPECT_EQ(form.slots.Read(70), "CAMERA_BIG_ZOOM_MODIFIER=0.3");
    form.Check70.SetValue(0);
    EXPECT_FALSE(form.ZMO.Enabled() || form.HMO.Enabled());
    EXPECT_EQ(form.slots.Read(71), "CAMERA_BIG_HEIGHT_MODIFIER=0.08");
}
}  // namespace
}  // namespace pp
