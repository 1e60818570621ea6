#include <gtest/gtest.h>

#include <variant>

#include "app/form1_layout.h"

namespace pp {
namespace {

// Accessibility tools name a box after the label just before it in the z-order, the table's order;
// the player reads the caption right above the box.
TEST(MainWindowLayout, EveryBoxComesRightAfterItsCaptionWhichSitsAboveIt) {
    const auto layout = Form1Layout();
    for (size_t i = 1; i < layout.size(); ++i) {
        if (!std::holds_alternative<ComboBoxView>(layout[i].shows) &&
            !std::holds_alternative<TextBoxView>(layout[i].shows))
            continue;
        const ShownControl& before = layout[i - 1].shows;
        EXPECT_TRUE(std::holds_alternative<CaptionView>(before) || std::holds_alternative<CheckBoxView>(before))
            << layout[i].id;
        const Rect96 &box = layout[i].rect, &above = layout[i - 1].rect;
        EXPECT_TRUE(above.Bottom() <= box.y && box.y - above.Bottom() <= 8 && above.x == box.x) << layout[i].id;
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
