#include "model/pixels.h"

#include <algorithm>

namespace pp {
namespace {

// The source pixel that lands on (x, y) of a drawing `drawn` pixels large.
uint32_t Sample(const Picture& source, int x, int y, PixelSize drawn) {
    const int sx = static_cast<int>(static_cast<int64_t>(x) * source.width / drawn.width);
    const int sy = static_cast<int>(static_cast<int64_t>(y) * source.height / drawn.height);
    return source.At(sx, sy);
}

}  // namespace

uint32_t BlendPixel(uint32_t under, uint32_t over, uint32_t alpha) {
    uint32_t out = 0xFF000000u;
    for (int shift : {16, 8, 0}) {
        const uint32_t o = (over >> shift) & 0xFF, u = (under >> shift) & 0xFF;
        out |= ((o * alpha + u * (255 - alpha) + 127) / 255) << shift;
    }
    return out;
}

void BlendConstantAlpha(Picture& destination, const Picture& source, uint8_t alpha) {
    if (destination.Empty() || source.Empty())
        return;
    const PixelSize drawn{destination.width, destination.height};
    for (int y = 0; y < destination.height; ++y)
        for (int x = 0; x < destination.width; ++x)
            destination.At(x, y) = BlendPixel(destination.At(x, y), Sample(source, x, y, drawn), alpha);
}

void BlendPerPixelAlpha(Picture& under, const Picture& over, int x, int y) {
    const int top = std::max(0, -y), bottom = std::min(over.height, under.height - y);
    const int left = std::max(0, -x), right = std::min(over.width, under.width - x);
    for (int oy = top; oy < bottom; ++oy)
        for (int ox = left; ox < right; ++ox) {
            const uint32_t pixel = over.At(ox, oy);
            uint32_t& target = under.At(x + ox, y + oy);
            target = BlendPixel(target, pixel, pixel >> 24);
        }
}

PixelSize FitSize(PixelSize picture, PixelSize box) {
    if (picture.width <= box.width && picture.height <= box.height)
        return picture;
    if (static_cast<int64_t>(picture.width) * box.height > static_cast<int64_t>(picture.height) * box.width)
        return {box.width,
                std::max(1, static_cast<int>(static_cast<int64_t>(picture.height) * box.width / picture.width))};
    return {std::max(1, static_cast<int>(static_cast<int64_t>(picture.width) * box.height / picture.height)),
            box.height};
}

void DrawScaledToFit(Picture& destination, const Picture& source) {
    if (destination.Empty() || source.Empty())
        return;
    const PixelSize drawn = FitSize({source.width, source.height}, {destination.width, destination.height});
    for (int y = 0; y < drawn.height; ++y)
        for (int x = 0; x < drawn.width; ++x)
            destination.At(x, y) = Sample(source, x, y, drawn);
}

}  // namespace pp
