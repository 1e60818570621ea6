#include <gtest/gtest.h>

#include <algorithm>

#include "menu/companion_place.h"
#include "view/dpi.h"
#include "view/form1_layout.h"

namespace pp {
// Edges, for the failure messages.
void PrintTo(const ScreenRect& r, std::ostream* out) {
    *out << r.left << "," << r.top << "," << r.right << "," << r.bottom;
}

namespace {
CompanionSize SizeAt(int dpi) {  // as the window has it
    return {ScaleToDpi(520, dpi), ScaleToDpi(360, dpi), ScaleToDpi(420, dpi), ScaleToDpi(8, dpi)};
}

// The main window where the tool opens it: in the middle of the work area.
ScreenRect MainCentredOn(const ScreenRect& work, int dpi) {
    const int width = ScaleToDpi(kForm1Width, dpi), height = ScaleToDpi(kForm1Height, dpi);
    const int left = work.left + std::max(0, (work.Width() - width) / 2), top = work.top + (work.Height() - height) / 2;
    return {left, top, left + width, top + height};
}

// Seen on a 1280 x 1024 screen: it lay over the right of the main window (PENALTY, the away team).
TEST(PlaceCompanion, BesideTheMainWindowMovedOverAsLittleAsItMust) {
    const ScreenRect screen1280{0, 0, 1280, 1024}, screen1920{0, 0, 1920, 1040};
    const struct {
        ScreenRect work, main, mainAfter, companion;
    } cases[] = {
        {screen1280, MainCentredOn(screen1280, 96), {27, 227, 752, 796}, {760, 227, 1280, 796}},
        {screen1920, {1150, 100, 1875, 669}, {1150, 100, 1875, 669}, {622, 100, 1142, 669}},  // room on its left
        {screen1280, {300, 0, 1025, 569}, {528, 0, 1253, 569}, {0, 0, 520, 569}},             // the shorter move
        {screen1280, {-100, 700, 625, 1269}, {0, 455, 725, 1024}, {733, 455, 1253, 1024}},    // partly off screen
        {{1920, 40, 3200, 840}, {2197, 155, 2922, 724}, {1947, 155, 2672, 724}, {2680, 155, 3200, 724}},
        {{0, 0, 1151, 900}, {58, 0, 783, 569}, {58, 0, 783, 569}, {791, 0, 1151, 569}},       // just room enough
        {{0, 0, 1741, 900}, {508, 0, 1233, 569}, {508, 0, 1233, 569}, {1241, 0, 1741, 569}},  // as much either side
        {{0, 0, 1001, 900}, {138, 0, 863, 569}, {0, 0, 725, 569}, {641, 0, 1001, 569}}        // as far either way
    };
    for (const auto& c : cases) {
        const PairPlace place = PlaceCompanion(c.work, c.main, SizeAt(96));
        EXPECT_EQ(place.main, c.mainAfter) << testing::PrintToString(c.main);
        EXPECT_EQ(place.companion, c.companion) << testing::PrintToString(c.main);
    }
}

// Where both fit side by side, whole and apart; where not, whole and overlapping only by what lacks.
TEST(PlaceCompanion, BothWholeAndApartWhereverTheyFit) {
    for (const int dpi : {96, 120, 144, 192})
        for (const int width : {800, 1024, 1280, 1366, 1440, 1600, 1920, 2560, 3840})
            for (const int height : {600, 768, 800, 1024, 1080, 1440, 2160}) {
                const ScreenRect work{-width / 3, 30, width - width / 3, height};
                const ScreenRect centred = MainCentredOn(work, dpi);
                const CompanionSize size = SizeAt(dpi);
                if (centred.Width() > work.Width() || centred.Height() > work.Height())
                    continue;  // the main window alone does not fit
                for (const int shift : {0, -width, width, -centred.Width() / 2, centred.Width() / 2}) {
                    const ScreenRect main{centred.left + shift, centred.top + shift / 3, centred.right + shift,
                                          centred.bottom + shift / 3};
                    const PairPlace place = PlaceCompanion(work, main, size);
                    const std::string where = std::to_string(dpi) + " dpi, " + std::to_string(width) + " x " +
                                              std::to_string(height) + ", shift " + std::to_string(shift);
                    EXPECT_TRUE(work.Contains(place.main) && work.Contains(place.companion)) << where;
                    EXPECT_EQ(place.main.Width() * 10000 + place.main.Height(), main.Width() * 10000 + main.Height());
                    EXPECT_GE(place.companion.Width(), size.minWidth) << where;
                    EXPECT_GE(place.companion.Height(), std::min(size.minHeight, work.Height())) << where;
                    const int overlap = std::min(place.main.right, place.companion.right) -
                                        std::max(place.main.left, place.companion.left);
                    EXPECT_EQ(std::max(0, overlap), std::max(0, main.Width() + size.minWidth - work.Width())) << where;
                }
            }
}

TEST(KeepsItsPlace, OnlyWholeOnAWorkAreaAndClearOfTheMainWindow) {
    const ScreenRect work{0, 0, 1920, 1040}, main{597, 235, 1322, 804};
    EXPECT_TRUE(KeepsItsPlace({1330, 235, 1850, 804}, work, main));
    EXPECT_TRUE(KeepsItsPlace({2000, 0, 2400, 500}, {1920, 0, 3840, 1080}, main));  // on another screen
    for (const ScreenRect& place : {ScreenRect{1300, 235, 1850, 804}, {1500, 235, 2020, 804}, {1330, -10, 1850, 500}})
        EXPECT_FALSE(KeepsItsPlace(place, work, main)) << testing::PrintToString(place);
}
}  // namespace
}  // namespace pp
