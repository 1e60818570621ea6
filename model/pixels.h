#pragma once

#include <cstdint>

#include "model/picture.h"

// The pixel arithmetic of the tool, written once: the fades, the window's drawing and the logo
// boxes all go through here, so a picture looks the same wherever it is shown.

namespace pp {

// `over` laid on `under` with `alpha` (0 to 255): each colour channel becomes
// under × (1 − alpha/255) + over × alpha/255, rounded to nearest; the result is opaque.
uint32_t BlendPixel(uint32_t under, uint32_t over, uint32_t alpha);

// Blends `source` over `destination` with a constant alpha, stretching the source to the
// destination's size (nearest pixel).
void BlendConstantAlpha(Picture& destination, const Picture& source, uint8_t alpha);

// Lays `over` onto `under` with its top left corner at (x, y), each pixel by its own alpha; what
// falls outside `under` is cut off.
void BlendPerPixelAlpha(Picture& under, const Picture& over, int x, int y);

struct PixelSize {
    int width = 0;
    int height = 0;
};

// The size a picture of `picture` is drawn at in a box of `box`: its own when it fits, else shrunk
// to fit keeping its proportions (at least one pixel each way).
PixelSize FitSize(PixelSize picture, PixelSize box);

// Draws `source` from the top left corner of `destination`, shrunk to fit when it is larger
// (nearest pixel); the rest of `destination` stays as it is.
void DrawScaledToFit(Picture& destination, const Picture& source);

}  // namespace pp
