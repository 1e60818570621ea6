#include <gtest/gtest.h>
#include <set>
#include <variant>

#include "model/form1.h"
#include "tests/native/support/fakes.h"
#include "view/form1_layout.h"

namespace pp {
namespace {
bool IsBox(const ControlPlace& place) {
    return place.Kind() == ViewKind::ComboBox || place.Kind() == ViewKind::TextBox;
}

// Named by the label before it in z-order; Alt with one unique letter of its caption; nothing covered;
// every control id once.
TEST(MainWindowLayout, EveryBoxSitsRightAfterAndBelowItsOwnCaptionWithALetterOfItAndNoControlOverAnother) {
    FakeOs fake;
    Form1 form(fake.os);
    std::set<const Label*> captions;
    std::set<char> keys;
    std::set<int> ids;
    const auto layout = Form1Layout();
    for (size_t i = 0; i < layout.size(); ++i) {
        const ControlPlace& place = layout[i];
        EXPECT_TRUE(ids.insert(place.id).second) << place.id;
        const Rect96& a = place.rect;
        EXPECT_TRUE(a.x >= 0 && a.y >= 0 && a.Right() <= kForm1Width && a.Bottom() <= kForm1Height) << place.id;
        for (size_t j = i + 1; j < layout.size(); ++j) {
            const Rect96& b = layout[j].rect;
            EXPECT_TRUE(a.Right() <= b.x || b.Right() <= a.x || a.Bottom() <= b.y || b.Bottom() <= a.y)
                << place.id << " and " << layout[j].id;
        }
        const auto* label = std::get_if<CaptionView>(&place.shows);
        if (label) {
            EXPECT_TRUE(captions.insert(&label->Model(form)).second) << place.id;
        }
        EXPECT_EQ(place.accessKey != 0, label && i + 1 < layout.size() && IsBox(layout[i + 1])) << place.id;
        if (place.accessKey && label) {
            EXPECT_TRUE(keys.insert(place.accessKey).second) << place.accessKey;
            EXPECT_NE(MarkAccessKey(label->Model(form).Caption(), place.accessKey).find('&'), std::string::npos)
                << place.accessKey;
        }
        if (!IsBox(place))
            continue;
        const ViewKind before = layout[i - 1].Kind();
        EXPECT_TRUE(before == ViewKind::Label || before == ViewKind::CheckBox) << place.id;
        const Rect96& above = layout[i - 1].rect;
        EXPECT_TRUE(above.Bottom() <= a.y && a.y - above.Bottom() <= 8 && above.x == a.x) << place.id;
    }
}

TEST(MainWindowLayout, MarksTheFirstLetterOfTheKeyInEitherCaseAndDoublesAnAmpersand) {
    const std::tuple<const char*, char, const char*> marks[] = {
        {"Home Team", 'H', "&Home Team"},   {"camera", 'A', "c&amera"}, {"Resolution", 'U', "Resol&ution"},
        {"Game Speed", 'E', "Gam&e Speed"}, {"R&D", 'D', "R&&&D"},      {"Radar", 'X', "Radar"},
        {"Tom & Jerry", 0, "Tom && Jerry"}};
    for (const auto& [caption, key, marked] : marks)
        EXPECT_EQ(MarkAccessKey(caption, key), marked) << caption;
}

TEST(Dpi, ScalesEdgesToTheNearestPixelSoNeighboursStillTouch) {
    EXPECT_EQ(ScaleToDpi(725, 144), 1088);  // 1087.5 rounds up
    EXPECT_EQ(ScaleToDpi(-10, 144), -15);   // and away from zero below it
    EXPECT_EQ(ScaleToDpi(Rect96{16, 30, 75, 22}, 120).right, ScaleToDpi(Rect96{91, 30, 75, 22}, 120).left);
    EXPECT_EQ(FontHeightForDpi(975, 96), -13);
}
}  // namespace
}  // namespace pp
