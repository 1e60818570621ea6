#pragma once

// The look of the main window, drawn in code at the window's own resolution, so every picture is
// sharp at any scale: a floodlit pitch at night behind the controls (view/pitch.h), and over it and
// on the image buttons what GDI+ draws. Nothing here is loaded from a file.

#include "model/picture.h"
#include "shell/button_faces.h"

namespace pp::win32 {

// The title strip along the top at 96 dpi, and the right edge of the tool's icon at its left,
// which opens the window's system menu as a frame's icon would.
inline constexpr int kTitleStripHeight = 26;
inline constexpr int kTitleIconRight = 33;

// The background of the whole client area at `dpi`, opaque: a striped pitch under two floodlights,
// its faint markings, a darker band along the top and the bottom, and a thin frame. Where GDI+
// cannot draw, the pitch alone.
Picture DrawBackground(int dpi);

// The normal and hover faces of the image buttons 0 (close), 99 (minimise), 1 (save), 2 (start)
// and 3 (penalty start) at `dpi`, each the button's size at that resolution, with transparent
// corners. A face GDI+ could not draw is null.
ButtonFaceSet DrawButtonFaces(int dpi);

// The box of a check box or the circle of an option button in its state, for the window that
// draws those controls itself: `size` pixels square, transparent around the shape.
enum class ToggleShape { Box, Circle };
struct ToggleState {
    int value = 0;  // 0 clear, 1 marked, 2 grey (a box only)
    bool enabled = true;
    bool hot = false;
    bool pressed = false;
};
Picture DrawToggle(ToggleShape shape, const ToggleState& state, int size);

}  // namespace pp::win32
