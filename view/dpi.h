#pragma once

// The one place where sizes meet the screen's resolution. Every coordinate and font size of the
// main window is given at 96 dots per inch and goes through here on its way to the window, so the
// window keeps its proportions on any monitor.

namespace pp {

inline constexpr int kBaseDpi = 96;

// A length at 96 dpi, rounded to the nearest pixel at `dpi` (halves away from zero).
constexpr int ScaleToDpi(int lengthAt96, int dpi) {
    const long long scaled = static_cast<long long>(lengthAt96) * dpi;
    return static_cast<int>((scaled + (scaled >= 0 ? kBaseDpi / 2 : -kBaseDpi / 2)) / kBaseDpi);
}

// A rectangle at 96 dpi: left, top, width and height in pixels.
struct Rect96 {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    constexpr int Right() const { return x + width; }
    constexpr int Bottom() const { return y + height; }
};

// Edges in pixels at some dpi.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// Scales the edges rather than the sizes, so controls that touch at 96 dpi still touch, and
// controls in a row stay in line, at any other.
constexpr PixelRect ScaleToDpi(const Rect96& r, int dpi) {
    return {ScaleToDpi(r.x, dpi), ScaleToDpi(r.y, dpi), ScaleToDpi(r.Right(), dpi), ScaleToDpi(r.Bottom(), dpi)};
}

// The character height of a font of the given size in hundredths of a point, as the negative
// height that asks the system for that character height (not cell height).
constexpr int FontHeightForDpi(int hundredthsOfPoint, int dpi) {
    constexpr long long kHundredthsPerInch = 7200;
    const long long pixels =
        (static_cast<long long>(hundredthsOfPoint) * dpi + kHundredthsPerInch / 2) / kHundredthsPerInch;
    return -static_cast<int>(pixels);
}

}  // namespace pp
