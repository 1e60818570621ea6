#include "view/pitch.h"

#include <cmath>
#include <iterator>
#include <vector>

#include "model/palette.h"

namespace pp {
namespace {

constexpr int kStripes = 14;
// The shade starts a quarter of the way down and is deepest at the bottom edge.
constexpr double kShadeStart = 0.25;
// Each floodlight stands on the top edge, this far across, and lights an ellipse that reaches
// these many units sideways and down.
constexpr double kFloodlightsAcross[] = {0.08, 0.92};
constexpr double kLightReachSideways = 330.0;
constexpr double kLightReachDown = 280.0;

// A straight (not premultiplied) colour, each channel 0 to 255.
struct Ink {
    double a, r, g, b;
};

constexpr Ink InkOf(uint32_t argb) {
    return {static_cast<double>(argb >> 24), static_cast<double>((argb >> 16) & 0xFFu),
            static_cast<double>((argb >> 8) & 0xFFu), static_cast<double>(argb & 0xFFu)};
}

// The colour `t` of the way from `from` to `to`, every channel alike, as a gradient blends.
Ink Mix(const Ink& from, const Ink& to, double t) {
    return {from.a + (to.a - from.a) * t, from.r + (to.r - from.r) * t, from.g + (to.g - from.g) * t,
            from.b + (to.b - from.b) * t};
}

// `top` laid over the opaque `under`: each channel moves towards the top's by the top's alpha.
void Lay(Ink& under, const Ink& top) {
    const double k = top.a / 255.0;
    under.r += (top.r - under.r) * k;
    under.g += (top.g - under.g) * k;
    under.b += (top.b - under.b) * k;
}

uint32_t Opaque(const Ink& ink) {
    const auto channel = [](double value) { return static_cast<uint32_t>(value + 0.5) & 0xFFu; };
    return 0xFF000000u | channel(ink.r) << 16 | channel(ink.g) << 8 | channel(ink.b);
}

}  // namespace

void PaintPitch(Picture& picture, double unitsWide, double unitsHigh) {
    if (picture.Empty() || !(unitsWide > 0) || !(unitsHigh > 0))
        return;
    const double unitsPerColumn = unitsWide / picture.width, unitsPerRow = unitsHigh / picture.height;
    constexpr size_t kLights = std::size(kFloodlightsAcross);

    // What depends on the column alone: the stripe, and how far across each light's reach it is.
    struct Column {
        Ink stripe;
        double across[kLights];
    };
    std::vector<Column> columns(static_cast<size_t>(picture.width));
    const double stripeWidth = unitsWide / kStripes;
    for (int x = 0; x < picture.width; ++x) {
        const double u = (x + 0.5) * unitsPerColumn;
        Column& column = columns[static_cast<size_t>(x)];
        column.stripe = InkOf(static_cast<int>(u / stripeWidth) % 2 ? kStripeLight : kStripeDark);
        for (size_t light = 0; light < kLights; ++light) {
            const double dx = (u - unitsWide * kFloodlightsAcross[light]) / kLightReachSideways;
            column.across[light] = dx * dx;
        }
    }

    const double shadeTop = unitsHigh * kShadeStart;
    for (int y = 0; y < picture.height; ++y) {
        const double v = (y + 0.5) * unitsPerRow;
        const bool shaded = v >= shadeTop;
        const Ink shade = Mix(InkOf(kShadeTop), InkOf(kShadeBottom), (v - shadeTop) / (unitsHigh - shadeTop));
        const double down = (v / kLightReachDown) * (v / kLightReachDown);
        for (int x = 0; x < picture.width; ++x) {
            const Column& column = columns[static_cast<size_t>(x)];
            Ink ink = column.stripe;
            if (shaded)
                Lay(ink, shade);
            for (double across : column.across) {
                const double reach = across + down;
                if (reach < 1.0)
                    Lay(ink, Mix(InkOf(kFloodlight), InkOf(kFloodlightEdge), std::sqrt(reach)));
            }
            picture.At(x, y) = Opaque(ink);
        }
    }
}

}  // namespace pp
