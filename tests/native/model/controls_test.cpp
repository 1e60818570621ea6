#include <gtest/gtest.h>

#include "model/controls.h"

namespace pp {
namespace {
// The program's change raises Click as the user's does; a refused value changes nothing; disabled refuses.
TEST(Controls, ClickOnEveryChangeOfValueAndOnNothingElse) {
    CheckBox box("Check3", "Audio");
    ComboBox combo("Combo8", ComboStyle::DropDownList, false, {"Low", "Medium", "High"});
    OptionButtonArray ot("OT", 3, 0);
    std::vector<int> clicks;
    box.onClick = [&] { clicks.push_back(box.Value()); };
    combo.onClick = [&] { clicks.push_back(10 + combo.ListIndex()); };
    ot.onClick = [&](int i) { clicks.push_back(20 + i); };
    const std::vector<std::pair<int, bool>> steps = {{-2, false}, {-1, false}, {0, true}, {2, true}, {2, true},
                                                     {3, false},  {-1, false}, {1, true}, {2, true}};
    for (const auto& [value, takenByAll] : steps) {
        EXPECT_EQ(box.SetValue(value), takenByAll) << value;
        EXPECT_EQ(combo.SetListIndex(value), takenByAll || value == -1) << value;
        EXPECT_EQ(ot.Select(value), takenByAll) << value;
    }
    EXPECT_EQ(clicks, (std::vector<int>{10, 2, 12, 22, 9, 1, 11, 21, 2, 12, 22}));
    EXPECT_EQ(combo.Text(), "High");
    box.UserClick();  // grey goes to checked, checked to clear
    EXPECT_EQ(box.Value(), 1);
    box.UserClick();
    EXPECT_EQ(box.Value(), 0);
    for (Control* control : std::initializer_list<Control*>{&box, &combo, &ot})
        control->SetEnabled(false);
    box.UserClick();
    combo.UserPick(1);
    ot.UserSelect(1);
    EXPECT_EQ(box.Value() + combo.ListIndex() + ot.Selected(), 4);
    box.SetValue(1);
    EXPECT_EQ(box.Value(), 1);
}

// Backspace takes one back, other control keys type nothing; the filter sees each key first.
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
}  // namespace
}  // namespace pp
