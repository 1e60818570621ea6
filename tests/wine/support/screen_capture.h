#pragma once

#include <windows.h>

#include <string>

#include "model/picture.h"

namespace pp::test {

// The client area of a window as the screen shows it now, pixel for pixel (0xAARRGGBB, opaque).
// The window must be in front: what covers it is captured instead. Empty when it failed.
Picture CaptureClientArea(HWND window);

}  // namespace pp::test
