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
        std::vector<std::string> before;
        for (int i = 0; i < SlotTable::kSize; ++i)
            before.push_back(form.slots.Read(i));
        for (int i = 0; i < SlotTable::kSize; ++i)
            form.slots.Write(i, "untouched");
        change();
        std::map<int, std::string> written;
        for (int i = 0; i < SlotTable::kSize; ++i) {
            if (form.slots.Read(i) != "untouched")
                written[i] = form.slots.Read(i);
            form.slots.Write(i, written.count(i) ? written[i] : before[static_cast<size_t>(i)]);
        }
        return written;
    }
    // The text of a directive up to and including its "=".
    static std::string KeyOf(const std::string& directive) { return directive.substr(0, directive.find('=') + 1); }

    std::vector<CheckBox*> CheckBoxes() {
        return {&form.Check1,  &form.Check2,  &form.Check3,  &form.Check4,  &form.Check5,  &form.Check6,
                &form.Check7,  &form.Check8,  &form.Check9,  &form.Check10, &form.Check11, &form.Check12,
                &form.Check13, &form.Check14, &form.Check15, &form.Check16, &form.Check17, &form.Check18,
                &form.Check19, &form.Check20, &form.Check21, &form.Check22, &form.Check23, &form.Check24,
                &form.Check25, &form.Check26, &form.Check27, &form.Check28};
    }
    std::vector<ComboBox*> Lists() {
        return {&form.Combo3,  &form.Combo4,  &form.Combo6,  &form.Combo7,  &form.Combo8,
                &form.Combo9,  &form.Combo10, &form.Combo11, &form.Combo12, &form.Combo13,
                &form.Combo14, &form.Combo15, &form.Combo16, &form.Combo18, &form.Combo19};
    }
};

// Every option writes one slot of its own, checked and unchecked differ only in the value, grey
// counts as unchecked, and every item of a list writes its own value under the list's one key.
TEST_F(Catalogue, EachOptionWritesOnlyItsOwnSlot) {
    std::map<int, std::string> owners;
    auto own = [&](int slot, const std::string& control) {
        EXPECT_TRUE(owners.emplace(slot, control).second)
            << control << " shares slot " << slot << " with " << owners[slot];
    };
    for (CheckBox* box : CheckBoxes()) {
        const auto checked = SlotsWrittenBy([&] { box->SetValue(1); });
        const auto grey = SlotsWrittenBy([&] { box->SetValue(2); });
        const auto clear = SlotsWrittenBy([&] {
            box->SetValue(1);
            box->SetValue(0);
        });
        ASSERT_LE(checked.size(), 1u) << box->Name();
        for (const auto& [slot, text] : checked) {
            own(slot, box->Name());
            EXPECT_EQ(text, KeyOf(text) + "1") << box->Name();
            EXPECT_EQ(grey, (std::map<int, std::string>{{slot, KeyOf(text) + "0"}})) << box->Name();
            EXPECT_EQ(clear, grey) << box->Name();
        }
    }
    for (ComboBox* list : Lists()) {
        std::optional<std::pair<int, std::string>> first;
        std::set<std::string> values;
        for (int i = 0; i < list->List().Count(); ++i) {
            const auto written = SlotsWrittenBy([&] { list->SetListIndex(i); });
            if (written.empty())
                continue;
            ASSERT_EQ(written.size(), 1u) << list->Name() << " item " << i;
            if (!first)
                own((first = *written.begin())->first, list->Name());
            EXPECT_EQ(written.begin()->first, first->first) << list->Name();
            EXPECT_EQ(KeyOf(written.begin()->second), KeyOf(first->second)) << list->Name();
            values.insert(written.begin()->second);
        }
        EXPECT_TRUE(!first || values.size() == static_cast<size_t>(list->List().Count())) << list->Name();
    }
    own(96, "OT");
    const auto modifiers = SlotsWrittenBy([&] { form.Check70.SetValue(1); });
    for (const auto& [slot, text] : modifiers)
        own(slot, "Check70");
    EXPECT_EQ(modifiers.size(), 2u);
}

TEST_F(Catalogue, ListWithoutSelectionWritesByItsRule) {
    const std::vector<std::tuple<ComboBox*, int, std::string>> cases = {
        {&form.Combo6, 55, "LIGHTING=-1"},            // index
        {&form.Combo11, 60, "OPTIONS/CAMERA_ZOOM="},  // item text
        {&form.Combo3, 52, "HOME_TEAM_KIT=0"},        // kit number: unchanged
        {&form.Combo14, 98, "HALF_SECONDS=3"},        // minutes: unchanged
    };
    for (const auto& [list, slot, afterClearing] : cases) {
        list->SetListIndex(0);
        list->SetListIndex(-1);
        EXPECT_EQ(form.slots.Read(slot), afterClearing) << list->Name();
    }
}

TEST(HalfLengthSeconds, MinutesTimesSixtyAsShortestDecimalTextOrNothing) {
    const std::vector<std::pair<std::string, std::optional<std::string>>> cases = {
        {"0.05", "3"},          {"2", "120"},          {"90", "5400"},        {"1.5", "90"},
        {"0.01", "0.6"},        {"-1", "-60"},         {"-0", "0"},           {"1e3", "60000"},
        {"0.3", "18"},          {"abc", std::nullopt}, {"", std::nullopt},    {"1,5", std::nullopt},
        {" 2", std::nullopt},   {"inf", std::nullopt}, {"nan", std::nullopt}, {"1e400", std::nullopt},
        {"0x10", std::nullopt},
    };
    for (const auto& [minutes, seconds] : cases)
        EXPECT_EQ(HalfLengthSeconds(minutes), seconds) << '"' << minutes << '"';
}

TEST_F(Catalogue, ShaderBelowHighUnchecksAndLocksDepthOfField) {
    form.Combo16.SetListIndex(2);
    form.Check16.SetValue(1);
    form.Combo16.SetListIndex(1);
    EXPECT_FALSE(form.Check16.Enabled());
    EXPECT_EQ(form.slots.Read(15), "OPTIONS/DEPTH_OF_FIELD=0");
    EXPECT_EQ(form.slots.Read(65), "OPTIONS/SHADER_QUALITY=1");
    form.Combo16.SetListIndex(2);
    EXPECT_TRUE(form.Check16.Enabled());
    EXPECT_EQ(form.Check16.Value(), 0);  // usable again, not checked again
}

TEST_F(Catalogue, LanguageBoxOnlyEnablesTheLanguageList) {
    const auto written = SlotsWrittenBy([&] {
        for (int value : {1, 2, 0, 1}) {
            form.Check20.SetValue(value);
            EXPECT_EQ(form.Combo18.Enabled(), value == 1) << value;
        }
        form.Combo18.SetListIndex(4);
    });
    EXPECT_TRUE(written.empty());
}

TEST_F(Catalogue, SideButtonsWriteTheSideOrNothingForBothSides) {
    const std::vector<std::pair<int, std::string>> cases = {{2, "SIDE_SELECT=-a"}, {1, ""}, {0, "SIDE_SELECT=-h"}};
    for (const auto& [button, directive] : cases) {
        form.OT.Select(button);
        EXPECT_EQ(form.slots.Read(96), directive) << button;
    }
    form.OT.onClick(3);
    form.OT.onClick(-1);
    EXPECT_EQ(form.slots.Read(96), "SIDE_SELECT=-h");
}

TEST_F(Catalogue, ModifierBoxesTakeOnlyNumberKeys) {
    const std::set<int> passing = {'0', '1', '2', '3', '4', '5', '6', '7', '8', '9', '-', '.', 8};
    for (int code = 0; code < 0x10000; ++code)
        ASSERT_EQ(ModifierKeyPasses(code), passing.count(code) == 1) << code;
    for (TextBox* box : {&form.ZMO, &form.HMO}) {
        box->SetText("");
        for (int key : {int{'1'}, int{'a'}, int{'.'}, int{' '}, int{','}, int{'5'}, int{'-'}, int{'E'}, int{'+'}, 8})
            box->UserTypes(key);
        EXPECT_EQ(box->Text(), "1.5") << box->Name();
    }
}

// The switch writes the typed modifiers, or the game's defaults while off; text typed after the
// click counts from the next save.
TEST_F(Catalogue, CameraModifierSwitchWritesTheTypedValuesOrTheDefaults) {
    form.ZMO.SetText("0.9");
    form.HMO.SetText("");
    form.Check70.SetValue(1);
    EXPECT_TRUE(form.ZMO.Enabled() && form.HMO.Enabled());
    EXPECT_EQ(form.slots.Read(70), "CAMERA_BIG_ZOOM_MODIFIER=0.9");
    EXPECT_EQ(form.slots.Read(71), "CAMERA_BIG_HEIGHT_MODIFIER=");
    form.ZMO.SetText("0.3");
    EXPECT_EQ(form.slots.Read(70), "CAMERA_BIG_ZOOM_MODIFIER=0.9");
    RunSaveCommand(form);
    EXPECT_EQ(form.slots.Read(70), "CAMERA_BIG_ZOOM_MODIFIER=0.3");

    form.Check70.SetValue(0);
    EXPECT_FALSE(form.ZMO.Enabled() || form.HMO.Enabled());
    EXPECT_EQ(form.ZMO.Text(), "0.3");
    EXPECT_EQ(form.slots.Read(70), "CAMERA_BIG_ZOOM_MODIFIER=0.15");
    EXPECT_EQ(form.slots.Read(71), "CAMERA_BIG_HEIGHT_MODIFIER=0.08");
}

}  // namespace
}  // namespace pp
