#pragma once

namespace pp {

// A window's edges in pixels on the screen.
struct ScreenRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr bool Contains(const ScreenRect& r) const {
        return r.left >= left && r.top >= top && r.right <= right && r.bottom <= bottom;
    }
    constexpr bool Overlaps(const ScreenRect& r) const {
        return r.left < right && left < r.right && r.top < bottom && top < r.bottom;
    }
    bool operator==(const ScreenRect&) const = default;
};

// The companion window's lengths in pixels at the screen's resolution.
struct CompanionSize {
    int width;     // as wide as it opens when there is room
    int minWidth;  // the narrowest it may be
    int minHeight;
    int gap;  // between it and the main window
};

// Where the two windows go when the companion opens.
struct PairPlace {
    ScreenRect main;
    ScreenRect companion;
};

// The companion beside the main window, as tall as it, on the side with more room and as wide as
// that room allows, both wholly inside the work area. When neither side has room enough, the main
// window moves over, as little as it must, to make it; only a work area narrower than the two side
// by side at the companion's narrowest makes them overlap, and then by as little as it can.
PairPlace PlaceCompanion(const ScreenRect& work, const ScreenRect& main, const CompanionSize& size);

// Whether the companion can open where the player left it: wholly inside a work area (`itsWork`,
// the one of the screen it is on) and clear of the main window.
bool KeepsItsPlace(const ScreenRect& place, const ScreenRect& itsWork, const ScreenRect& main);

}  // namespace pp
