#include <gtest/gtest.h>
#include <tuple>

#include "view/pitch.h"

namespace pp {
namespace {
int Channel(uint32_t pixel, int shift) {
    return static_cast<int>(pixel >> shift & 0xFFu);
}

// The window's drawing (725 x 569 units) at 96 dpi, so a pixel's centre is the unit point x + 0.5.
Picture PitchAt96() {
    Picture picture(725, 569, 0);
    PaintPitch(picture, 725, 569);
    return picture;
}

TEST(Pitch, EveryPixelOpaqueAtAnyScaleAndNoneWithoutArea) {
    for (const auto& [width, height, units] :
         {std::tuple{725, 569, 1.0}, {1088, 854, 1.0}, {1, 1, 1.0}, {2, 2, 0.001}}) {
        Picture picture(width, height, 0);
        PaintPitch(picture, 725 * units, 569 * units);
        for (uint32_t pixel : picture.pixels)
            ASSERT_EQ(pixel >> 24, 0xFFu) << width;
    }
    Picture picture(4, 3, 0x12345678u);
    PaintPitch(picture, 0, 569);
    PaintPitch(picture, 725, -1);
    PaintPitch(picture, 725, 0);
    EXPECT_EQ(picture.pixels, std::vector<uint32_t>(12, 0x12345678u));
}

TEST(Pitch, FourteenStripesOddOnesLighterUnderAShadeDeepeningFromAQuarterDown) {
    const Picture picture = PitchAt96();
    const int row = 400;  // below both lights' reach
    int stripe = 0;
    for (int x = 1; x < picture.width; ++x) {
        if (picture.At(x, row) == picture.At(x - 1, row))
            continue;
        ++stripe;
        EXPECT_NEAR(x, stripe * 725.0 / 14, 1.0) << stripe;
        EXPECT_EQ(Channel(picture.At(x, row), 8) > Channel(picture.At(x - 1, row), 8), stripe % 2 == 1) << stripe;
    }
    EXPECT_EQ(stripe, 13);
    const int middle = 362;  // a light stripe, beyond both lights' reach from row 110 on
    for (int y = 110; y < 142; ++y)
        EXPECT_EQ(picture.At(middle, y), 0xFF0C2D1Bu) << y;
    for (int y = 143; y < picture.height; ++y)
        EXPECT_LE(Channel(picture.At(middle, y), 8), Channel(picture.At(middle, y - 1), 8)) << y;
    // At the bottom, 120 of 255 of a darker green over the stripe's (12, 45, 27).
    EXPECT_EQ(picture.At(middle, picture.height - 1), 0xFF061C10u);
}

TEST(Pitch, EachFloodlightIsBrightestAtItsFootAndFadesOutToItsReach) {
    const Picture picture = PitchAt96();
    for (const int foot : {58, 667}) {  // 8 % in from either side, on the top edge
        // 64 of 255 of the light (255, 246, 214) over a stripe, and half that half way down its reach.
        EXPECT_NEAR(Channel(picture.At(foot, 0), 16), foot < 362 ? 12 + 243 * 64 / 255 : 9 + 246 * 64 / 255, 1);
        EXPECT_NEAR(Channel(picture.At(foot, 139), 16), foot < 362 ? 12 + 243 * 32 / 255 : 9 + 246 * 32 / 255, 1);
        const int inwards = foot < 362 ? 1 : -1;
        EXPECT_GT(Channel(picture.At(foot, 0), 16), Channel(picture.At(foot + 50 * inwards, 0), 16) + 5);
        EXPECT_GT(Channel(picture.At(foot + 50 * inwards, 0), 16),
                  Channel(picture.At(foot + 100 * inwards, 0), 16) + 5);
    }
    EXPECT_EQ(picture.At(58, 290), picture.At(58 + 2 * 725 / 14, 290));  // nothing lit below the reach
}

}  // namespace
}  // namespace pp
