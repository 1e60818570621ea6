#include <gtest/gtest.h>
#include <utility>
#include <vector>

#include "model/pixels.h"

namespace pp {
namespace {
// Rounded to nearest and opaque; per pixel the upper picture's own alpha, clipped on every side.
TEST(Pixels, BlendsRoundToNearestAndClipAtTheEdges) {
    struct Case {
        uint32_t under, over, alpha, expected;
    };
    const Case cases[] = {{0xFF000000, 0xFFFFFFFF, 0, 0xFF000000},   {0xFF000000, 0xFFFFFFFF, 255, 0xFFFFFFFF},
                          {0xFF102030, 0xFFF0E0D0, 128, 0xFF808080}, {0xFFFF0000, 0xFF0000FF, 240, 0xFF0F00F0},
                          {0x00000000, 0x00010101, 128, 0xFF010101}, {0xFF000000, 0xFF010203, 127, 0xFF000101}};
    for (const Case& c : cases)
        EXPECT_EQ(BlendPixel(c.under, c.over, c.alpha), c.expected)
            << std::hex << c.under << " " << c.over << " " << std::dec << c.alpha;
    Picture box(2, 2, 0xFF00FF00);
    BlendConstantAlpha(box, Picture(), 255);  // nothing to blend: unchanged, no crash
    EXPECT_EQ(box.At(1, 1), 0xFF00FF00u);
    Picture over(2, 2, 0xFFFFFFFF);
    over.At(1, 0) = 0x00FFFFFF;  // see-through
    over.At(0, 1) = 0x80FFFFFF;  // half
    const std::pair<int, int> offsets[] = {{0, 0}, {-1, -1}, {2, 2}, {3, 3}, {-2, 0}};
    for (const auto& [x, y] : offsets) {
        Picture under(3, 3, 0xFF000000);
        BlendPerPixelAlpha(under, over, x, y);
        for (int uy = 0; uy < 3; ++uy)
            for (int ux = 0; ux < 3; ++ux) {
                const int ox = ux - x, oy = uy - y;
                const bool inside = ox >= 0 && ox < 2 && oy >= 0 && oy < 2;
                const uint32_t expected =
                    inside ? BlendPixel(0xFF000000, over.At(ox, oy), over.At(ox, oy) >> 24) : 0xFF000000u;
                EXPECT_EQ(under.At(ux, uy), expected) << x << "," << y << " at " << ux << "," << uy;
            }
    }
}

TEST(Pixels, APictureLargerThanItsBoxShrinksToFitKeepingItsProportions) {
    const std::pair<PixelSize, PixelSize> fits[] = {{{10, 10}, {10, 10}},   {{288, 144}, {72, 36}},
                                                    {{144, 288}, {36, 72}}, {{100, 73}, {72, 52}},
                                                    {{10000, 1}, {72, 1}},  {{80, 10}, {72, 9}}};
    for (const auto& [picture, expected] : fits) {
        const PixelSize fit = FitSize(picture, {72, 72});  // a logo box
        EXPECT_EQ(fit.width, expected.width) << picture.width << "x" << picture.height;
        EXPECT_EQ(fit.height, expected.height) << picture.width << "x" << picture.height;
    }
    Picture source(4, 2, 0xFF00FF00);  // drawn from the corner, the rest of the box left as it was
    Picture box(2, 2, 0xFF000000);
    DrawScaledToFit(box, source);
    EXPECT_EQ(box.pixels, (std::vector<uint32_t>{0xFF00FF00, 0xFF00FF00, 0xFF000000, 0xFF000000}));
}
}  // namespace
}  // namespace pp
