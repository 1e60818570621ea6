#include <gtest/gtest.h>

#include <map>
#include <set>

#include "config/catalogue.h"
#include "config/save_command.h"
#include "tests/native/support/game_folder.h"

namespace pp {
namespace {

class Catalogue : public GameFolder {
  protected:
    // The slots that `change` rewrote, with their new text.
    std::map<int, std::string> SlotsWrittenBy(const std::function<void()>& change) {
        for (int i = 0; i < SlotTable::kSize; ++i)
            form.slots.Write(i, "untouched");
        change();
        std::map<int, std::string> written;
        for (int i = 0; i < SlotTable::kSize; ++i)
            if (form.slots.Read(i) != "untouched")
                written[i] = form.slots.Read(i);
        return written;
    }
};

// The goldens of the save command pin each check box's slot and text; a list writes a value of its
// own for every item, all under its one key in its one slot, and grey counts as unchecked.
TEST_F(Catalogue, EachItemOfAListWritesItsOwnValueInTheListsSlot) {
    for (ComboBox* list :
         {&form.Combo3, &form.Combo4, &form.Combo6, &form.Combo7, &form.Combo8, &form.Combo9, &form.Combo10,
          &form.Combo11, &form.Combo12, &form.Combo13, &form.Combo14, &form.Combo15, &form.Combo16, &form.Combo19}) {
        std::set<std::string> values;
        std::set<int> slots;
        for (int i = 0; i < list->List().Count(); ++i) {
            const auto written = SlotsWrittenBy([&] { list->SetListIndex(i); });
            for (const auto& [slot, text] : written) {
                slots.insert(slot);
                values.insert(text);
                EXPECT_EQ(text.substr(0, text.find('=')), values.begin()->substr(0, values.begin()->find('=')));
            }
        }
        EXPECT_EQ(slots.size(), 1u) << list->Name();
        EXPECT_EQ(values.size(), static_cast<size_t>(list->List().Count())) << list->Name();
    }
    EXPECT_EQ(SlotsWrittenBy([&] { form.Check3.SetValue(2); }), (std::map<int, std::string>{{2, "AUDIO=0"}}));
}

TEST(HalfLengthSeconds, MinutesTimesSixtyAsShortestDecimalTextOrNothing) {
    const std::vector<std::pair<std::string, std::optional<std::string>>> cases = {
        {"0.05", "3"},           {"90", "5400"},        {"0.01", "0.6"},       {"-0", "0"},
        {"1e3", "60000"},        {"0.3", "18"},         {"abc", std::nullopt}, {"", std::nullopt},
        {"1,5", std::nullopt},   {" 2", std::nullopt},  {"inf", std::nullopt}, {"nan", std::nullopt},
        {"1e400", std::nullopt}, {"0x10", std::nullopt}};
    for (const auto& [minutes, seconds] : cases)
        EXPECT_EQ(HalfLengthSeconds(minutes), seconds) << '"' << minutes << '"';
}

// Depth of field goes with the high shader alone; the language list with its box alone.
TEST_F(Catalogue, ShaderAndLanguageBoxLockTheirPartners) {
    form.Combo16.SetListIndex(2);
    form.Check16.SetValue(1);
    form.Combo16.SetListIndex(1);
    EXPECT_FALSE(form.Check16.Enabled());
    EXPECT_EQ(form.slots.Read(15), "OPTIONS/DEPTH_OF_FIELD=0");
    form.Combo16.SetListIndex(2);
    EXPECT_TRUE(form.Check16.Enabled());
    EXPECT_EQ(form.Check16.Value(), 0);  // usable again, not checked again
    const auto written = SlotsWrittenBy([&] {
        for (int value : {1, 2, 0, 1}) {
            form.Check20.SetValue(value);
            EXPECT_EQ(form.Combo18.Enabled(), value == 1) << value;
        }
        form.Combo18.SetListIndex(4);
    });
    EXPECT_TRUE(written.empty());
}

// The switch writes the typed modifiers, or the game's defaults while off; text typed after the
// click counts from the next save. The boxes take only number keys.
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
    EXPECT_EQ(form.slots.Read(70) + " " + form.slots.Read(71),
              "CAMERA_BIG_ZOOM_MODIFIER=0.15 CAMERA_BIG_HEIGHT_MODIFIER=0.08");
}

}  // namespace
}  // namespace pp
