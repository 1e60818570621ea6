#include "menu/companion_place.h"

#include <algorithm>
#include <cstdlib>

namespace pp {
namespace {

// Where a length that starts at `start` goes to lie between `low` and `high`, moved as little as
// it must; at `low` when it is longer than the space.
int Fit(int start, int length, int low, int high) {
    return std::max(low, std::min(start, high - length));
}

ScreenRect At(int left, int top, int width, int height) {
    return {left, top, left + width, top + height};
}

}  // namespace

PairPlace PlaceCompanion(const ScreenRect& work, const ScreenRect& main, const CompanionSize& size) {
    const int mainWidth = main.Width(), mainHeight = main.Height();
    const int mainTop = Fit(main.top, mainHeight, work.top, work.bottom);
    ScreenRect placed = At(Fit(main.left, mainWidth, work.left, work.right), mainTop, mainWidth, mainHeight);
    const int height = std::min(std::max(mainHeight, size.minHeight), work.Height());
    const int top = Fit(mainTop, height, work.top, work.bottom);

    const int roomRight = work.right - placed.right - size.gap, roomLeft = placed.left - work.left - size.gap;
    if (std::max(roomRight, roomLeft) >= size.minWidth) {
        const int width = std::min(size.width, std::max(roomRight, roomLeft));
        const int left = roomRight >= roomLeft ? placed.right + size.gap : placed.left - size.gap - width;
        return {placed, At(left, top, width, height)};
    }

    // Neither side has room: the main window moves towards the side that needs the shorter move.
    const int width =
        std::min({size.width, std::max(size.minWidth, work.Width() - mainWidth - size.gap), work.Width()});
    const int mainLeftOfIt = Fit(placed.left, mainWidth, work.left, work.right - width - size.gap);
    const int mainRightOfIt =
        Fit(Fit(placed.left, mainWidth, work.left + width + size.gap, work.right), mainWidth, work.left, work.right);
    if (std::abs(mainLeftOfIt - placed.left) <= std::abs(mainRightOfIt - placed.left)) {
        const int left = std::min(mainLeftOfIt + mainWidth + size.gap, work.right - width);
        return {At(mainLeftOfIt, mainTop, mainWidth, mainHeight), At(left, top, width, height)};
    }
    const int left = std::max(mainRightOfIt - size.gap - width, work.left);
    return {At(mainRightOfIt, mainTop, mainWidth, mainHeight), At(left, top, width, height)};
}

bool KeepsItsPlace(const ScreenRect& place, const ScreenRect& itsWork, const ScreenRect& main) {
    return itsWork.Contains(place) && !place.Overlaps(main);
}

}  // namespace pp
