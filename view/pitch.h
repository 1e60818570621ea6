#pragma once

// The floodlit pitch behind the main window's controls, painted pixel by pixel: mowing stripes,
// darker towards the bottom, lit from both top corners. The markings, the bands and the rest are
// drawn over it by GDI+; the pitch itself is plain arithmetic because GDI+'s gradient brushes
// took two thirds of the whole background's drawing time at every start.

#include "model/picture.h"

namespace pp {

// Paints the pitch over all of `picture`, which shows `unitsWide` x `unitsHigh` units of the
// drawing (the window's size at 96 dpi), so the picture's own size sets the scale. Every pixel
// comes out opaque. A picture or a drawing without area is left as it is.
void PaintPitch(Picture& picture, double unitsWide, double unitsHigh);

}  // namespace pp
