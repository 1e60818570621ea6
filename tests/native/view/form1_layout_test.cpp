#include <gtest/gtest.h>
#include <set>
#include <variant>

#include "model/form1.h"
#include "tests/native/support/fakes.h"
#include "view/form1_layout.h"

namespace pp {
namespace {
// Accessibility tools name a box after the label just before it in the z-order, the table's order;
// the player reads the caption right above the box. A label shown twice leaves another box unnamed;
// a control under another would never get its clicks.
TEST(MainWindowLayout, EveryBoxSitsRightAfterAndBelowItsOwnCaptionAndNoControlOverAnother) {
    FakeOs fake;
    Form1 form(fake.os);
    std::set<const Label*> captions;
    const auto layout = Form1Layout();
    for (size_t i = 0; i < layout.size(); ++i) {
        const Rect96& a = layout[i].rect;
        EXPECT_TRUE(a.x >= 0 && a.y >= 0 && a.Right() <= kForm1Width && a.Bottom() <= kForm1Height) << layout[i].id;
        for (size_t j = i + 1; j < layout.size(); ++j) {
            const Rect96& b = layout[j].rect;
            EXPECT_TRUE(a.Right() <= b.x || b.Right() <= a.x || a.Bottom() <= b.y || b.Bottom() <= a.y)
                << layout[i].id << " and " << layout[j].id;
        }
        if (const auto* caption = std::get_if<CaptionView>(&layout[i].shows)) {
            EXPECT_TRUE(captions.insert(&caption->Model(form)).second) << layout[i].id;
        }
        if (layout[i].Kind() != ViewKind::ComboBox && layout[i].Kind() != ViewKind::TextBox)
            continue;
        const ViewKind before = layout[i - 1].Kind();
        EXPECT_TRUE(before == ViewKind::Label || before == ViewKind::CheckBox) << layout[i].id;
        const Rect96& above = layout[i - 1].rect;
        EXPECT_TRUE(above.Bottom() <= a.y && a.y - above.Bottom() <= 8 && above.x == a.x) << layout[i].id;
    }
}

// Alt and a caption's underlined letter moves to the box right after the caption: every captioned
// box has a letter, no letter serves twice, and each is one of its caption's.
TEST(MainWindowLayout, EveryCaptionedBoxHasALetterOfItsOwnCaption) {
    FakeOs fake;
    Form1 form(fake.os);
    std::set<char> keys;
    const auto layout = Form1Layout();
    for (size_t i = 1; i < layout.size(); ++i) {
        const ControlPlace& caption = layout[i - 1];
        const auto* label = std::get_if<CaptionView>(&caption.shows);
        const bool box = layout[i].Kind() == ViewKind::ComboBox || layout[i].Kind() == ViewKind::TextBox;
        EXPECT_EQ(caption.accessKey != 0, box && label) << caption.id;
        if (!caption.accessKey || !label)
            continue;
        EXPECT_TRUE(keys.insert(caption.accessKey).second) << caption.accessKey;
        EXPECT_NE(MarkAccessKey(label->Model(form).Caption(), caption.accessKey).find('&'), std::string::npos)
            << caption.accessKey;
    }
    EXPECT_EQ(layout.back().accessKey, 0);
}

TEST(MainWindowLayout, MarksTheFirstLetterOfTheKeyInEitherCaseAndDoublesAnAmpersand) {
    EXPECT_EQ(MarkAccessKey("Home Team", 'H'), "&Home Team");
    EXPECT_EQ(MarkAccessKey("camera", 'A'), "c&amera");
    EXPECT_EQ(MarkAccessKey("Resolution", 'U'), "Resol&ution");
    EXPECT_EQ(MarkAccessKey("Game Speed", 'E'), "Gam&e Speed");
    EXPECT_EQ(MarkAccessKey("R&D", 'D'), "R&&&D");
    EXPECT_EQ(MarkAccessKey("Radar", 'X'), "Radar");
    EXPECT_EQ(MarkAccessKey("Tom & Jerry", 0), "Tom && Jerry");
}

TEST(Dpi, ScalesEdgesToTheNearestPixelSoNeighboursStillTouch) {
    EXPECT_EQ(ScaleToDpi(725, 144), 1088);  // 1087.5 rounds up
    EXPECT_EQ(ScaleToDpi(-10, 144), -15);   // and away from zero below it
    EXPECT_EQ(ScaleToDpi(Rect96{16, 30, 75, 22}, 120).right, ScaleToDpi(Rect96{91, 30, 75, 22}, 120).left);
    EXPECT_EQ(FontHeightForDpi(975, 96), -13);
}
}  // namespace
}  // namespace pp
