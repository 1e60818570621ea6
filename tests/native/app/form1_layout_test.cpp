#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <variant>

#include "app/form1_layout.h"
#include "model/control_ids.h"
#include "model/form1.h"
#include "tests/native/support/fakes.h"

namespace pp {
namespace {

class MainWindowLayout : public testing::Test {
  protected:
    // The model control a row shows, reached the way the view reaches it; null for decoration.
    const Control* ModelOf(const ControlPlace& place) {
        return std::visit(Overloaded{[](const LineView&) -> const Control* { return nullptr; },
                                     [&](const auto& view) -> const Control* { return &view.Model(form); }},
                          place.shows);
    }

    FakeOs fake;
    Form1 form{fake.os};
};

TEST_F(MainWindowLayout, EveryShownControlIsPlacedOnceAndNoWorkingStorageIs) {
    std::set<std::string> shown = {"Check70", "TX1", "ZMO", "HMO", "P_SHOW", "P_SHOW2"};
    const auto add = [&](const std::string& name, std::initializer_list<int> numbers, bool element) {
        for (int n : numbers)
            shown.insert(element ? name + "(" + std::to_string(n) + ")" : name + std::to_string(n));
    };
    add("Check", {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 25, 26, 28}, false);
    add("Combo", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 18, 19}, false);
    add("Label1", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 19, 21}, true);
    add("Label2", {0, 1, 2, 3}, true);
    add("FLB", {0, 1, 2, 3, 4}, true);
    add("FBU", {0, 1, 2, 3, 99}, true);

    std::multiset<std::string> placed;
    std::set<int> optionElements;
    for (const ControlPlace& place : Form1Layout()) {
        if (const auto* option = std::get_if<OptionButtonView>(&place.shows))
            optionElements.insert(option->element);
        else if (const Control* control = ModelOf(place))
            placed.insert(control->Name());
    }
    EXPECT_EQ(std::set<std::string>(placed.begin(), placed.end()), shown);
    EXPECT_EQ(placed.size(), shown.size()) << "a control is placed twice";
    EXPECT_EQ(optionElements, (std::set<int>{0, 1, 2}));
}

// The row's alternative is its kind, and every kind is shown somewhere: a table that lost one would
// leave a branch of the view unreached.
TEST_F(MainWindowLayout, EveryKindIsShownAndTheKindFollowsTheRow) {
    std::set<size_t> kinds;
    for (const ControlPlace& place : Form1Layout()) {
        EXPECT_EQ(static_cast<size_t>(place.kind), place.shows.index()) << place.id;
        kinds.insert(place.shows.index());
    }
    EXPECT_EQ(kinds.size(), std::variant_size_v<ShownControl>);
}

// Accessibility tools name a box after the label just before it in the z-order, the table's order;
// the player reads the caption right above the box.
TEST_F(MainWindowLayout, EveryBoxComesRightAfterItsCaptionWhichSitsAboveIt) {
    const std::map<int, int> captionOf = {
        {IDC_Combo1, IDC_Label1_0},   {IDC_Combo2, IDC_Label1_1},   {IDC_Combo3, IDC_Label1_2},
        {IDC_Combo4, IDC_Label1_3},   {IDC_Combo5, IDC_Label1_4},   {IDC_Combo6, IDC_Label1_5},
        {IDC_Combo7, IDC_Label1_6},   {IDC_Combo8, IDC_Label1_7},   {IDC_Combo9, IDC_Label1_8},
        {IDC_Combo10, IDC_Label1_9},  {IDC_Combo11, IDC_Label1_10}, {IDC_Combo12, IDC_Label1_11},
        {IDC_Combo13, IDC_Label1_12}, {IDC_Combo14, IDC_Label1_13}, {IDC_Combo15, IDC_Label1_14},
        {IDC_ZMO, IDC_Label1_15},     {IDC_Combo16, IDC_Label1_16}, {IDC_Combo19, IDC_Label1_19},
        {IDC_HMO, IDC_Label1_21},     {IDC_TX1, IDC_Label2_1},      {IDC_Combo18, IDC_Check20},
    };
    const auto layout = Form1Layout();
    for (size_t i = 1; i < layout.size(); ++i) {
        auto caption = captionOf.find(layout[i].id);
        if (caption == captionOf.end())
            continue;
        EXPECT_EQ(layout[i - 1].id, caption->second) << "the row before " << layout[i].id;
        const Rect96 &box = layout[i].rect, &above = layout[i - 1].rect;
        EXPECT_TRUE(above.Bottom() <= box.y && box.y - above.Bottom() <= 8 && above.x == box.x) << caption->second;
    }
}

TEST(Dpi, ScalesEdgesToTheNearestPixelSoNeighboursStillTouch) {
    EXPECT_EQ(ScaleToDpi(725, 144), 1088);  // 1087.5 rounds up
    EXPECT_EQ(ScaleToDpi(-10, 144), -15);   // and away from zero below it
    EXPECT_EQ(ScaleToDpi(Rect96{16, 30, 75, 22}, 120).right, ScaleToDpi(Rect96{91, 30, 75, 22}, 120).left);
    EXPECT_EQ(FontHeightForDpi(975, 96), -13);
}

}  // namespace
}  // namespace pp
