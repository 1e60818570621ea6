#include <gtest/gtest.h>

#include "model/controls.h"

namespace pp {
namespace {

// A change made by the program raises Click exactly as the user's does, and only when the value
// changes; a value the control does not take changes nothing.
TEST(CheckBox, ClickOnEveryChangeOfValueAndOnNothingElse) {
    CheckBox box("Check3", "Audio");
    int clicks = 0;
    box.onClick = [&] { ++clicks; };
    const std::vector<std::pair<int, int>> steps = {{1, 1}, {1, 1}, {2, 2}, {3, 2}, {-1, 2}, {0, 3}};
    for (const auto& [value, clicksAfter] : steps) {
        EXPECT_EQ(box.SetValue(value), value >= 0 && value <= 2) << value;
        EXPECT_EQ(clicks, clicksAfter) << value;
    }
    EXPECT_EQ(box.Value(), 0);
}

TEST(CheckBox, DisabledBoxRefusesTheUserButHoldsTheProgramsValue) {
    CheckBox box("Check2", "Save USER.INI");
    box.SetEnabled(false);
    box.UserClick();
    EXPECT_EQ(box.Value(), 0);
    box.SetValue(2);
    box.SetEnabled(true);
    box.UserClick();  // grey goes to checked, checked to clear
    EXPECT_EQ(box.Value(), 1);
    box.UserClick();
    EXPECT_EQ(box.Value(), 0);
}

TEST(ComboBox, ClickOnEveryChangeOfIndexAndOnNothingElse) {
    ComboBox combo("Combo8", ComboStyle::DropDownList, false, {"Low", "Medium", "High"});
    int clicks = 0;
    combo.onClick = [&] { ++clicks; };
    const std::vector<std::pair<int, int>> steps = {{2, 1}, {2, 1}, {3, 1}, {-2, 1}, {-1, 2}, {0, 3}};
    for (const auto& [index, clicksAfter] : steps) {
        EXPECT_EQ(combo.SetListIndex(index), index >= -1 && index <= 2) << index;
        EXPECT_EQ(clicks, clicksAfter) << index;
    }
    EXPECT_EQ(combo.Text(), "Low");
    combo.SetText("Midnight");  // a drop-down list takes no typed text
    EXPECT_EQ(combo.Text(), "Low");
    combo.SetEnabled(false);
    combo.UserPick(1);
    EXPECT_EQ(combo.ListIndex(), 0);
}

TEST(ComboBox, EditableBoxTakesTypedTextWithoutClickAndLosesItsSelection) {
    ComboBox combo("Combo7", ComboStyle::Editable, false, {"640x480x32", "1024x768x32"});
    int clicks = 0;
    combo.onClick = [&] { ++clicks; };
    combo.SetListIndex(1);
    combo.SetText("1024x768x32");
    EXPECT_EQ(combo.ListIndex(), 1);
    combo.SetText("1920x1080x32");
    EXPECT_EQ(combo.Text(), "1920x1080x32");
    EXPECT_EQ(combo.ListIndex(), -1);
    EXPECT_EQ(clicks, 1);
}

TEST(OptionButtons, SelectingAnotherElementRaisesClickWithItsIndex) {
    OptionButtonArray ot("OT", 3, 0);
    std::vector<int> clicks;
    ot.onClick = [&](int i) { clicks.push_back(i); };
    for (int i : {2, 2, 1, 3, -1, 0})
        ot.Select(i);
    ot.SetEnabled(false);
    ot.UserSelect(2);
    EXPECT_EQ(clicks, (std::vector<int>{2, 1, 0}));
    EXPECT_EQ(ot.Selected(), 0);
}

// Printable keys are typed, backspace takes one back, other control keys type nothing; the key
// filter sees each key first and may swallow it.
TEST(TextBox, TypesPrintableKeysThroughItsFilter) {
    TextBox box("ZMO", "");
    box.onKeyPress = [](int& code) {
        if (code == 'x')
            code = 0;
    };
    for (int key : {8, int{' '}, int{'1'}, int{'x'}, 31, 127, int{'~'}, 8, int{'7'}, 13})
        box.UserTypes(key);
    EXPECT_EQ(box.Text(), " 17");
    box.SetEnabled(false);
    EXPECT_EQ(box.UserTypes('5'), 0);
    EXPECT_EQ(box.Text(), " 17");
}

TEST(Timer, TicksOnlyWhileEnabledAndMayDestroyItsOwner) {
    auto timer = std::make_unique<Timer>("TS", 1, false);
    int ticks = 0;
    timer->onTimer = [&] {
        ++ticks;
        timer.reset();
    };
    timer->Tick();
    EXPECT_EQ(ticks, 0);
    timer->SetEnabled(true);
    timer->Tick();
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(timer, nullptr);
}

}  // namespace
}  // namespace pp
