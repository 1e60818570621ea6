#pragma once

// Every colour of the main window in one place: the night pitch and its lights, the texts on it,
// the links, the image buttons' plates and the drawn check boxes. Colours with an alpha are
// 0xAARRGGBB, as pictures hold them; opaque ones are Rgb.

#include <cstdint>

#include "model/controls.h"

namespace pp {

constexpr uint32_t Argb(int a, int r, int g, int b) {
    return (static_cast<uint32_t>(a) << 24) | MakeRgb(r, g, b);
}

// The focus mark: a light ring around the control the keyboard is on, with a dark ring inside it
// where it lies on a button's face, which may be as light as the ring.
inline constexpr Rgb kFocusMarkColor = MakeRgb(255, 255, 192);
inline constexpr Rgb kFocusMarkEdgeColor = MakeRgb(9, 35, 21);

// The links along the bottom, at rest and under the mouse.
inline constexpr Rgb kLinkColor = MakeRgb(200, 255, 0);
inline constexpr Rgb kLinkHoverColor = MakeRgb(255, 190, 0);

// Texts on the pitch, and what shows where the skin could not be drawn.
inline constexpr Rgb kBackgroundColor = MakeRgb(11, 40, 24);
inline constexpr Rgb kTextColor = MakeRgb(232, 240, 226);
inline constexpr Rgb kDisabledTextColor = MakeRgb(140, 166, 142);
inline constexpr Rgb kCaptionTextColor = MakeRgb(186, 232, 150);
inline constexpr Rgb kNoticeTextColor = MakeRgb(255, 255, 192);
inline constexpr Rgb kWarningTextColor = MakeRgb(255, 92, 72);
inline constexpr Rgb kDisabledWarningTextColor = MakeRgb(222, 96, 80);
inline constexpr Rgb kCheatBackgroundColor = MakeRgb(255, 255, 192);
inline constexpr Rgb kCheatTextColor = MakeRgb(0, 0, 0);
inline constexpr Rgb kLineColor = MakeRgb(62, 108, 60);
inline constexpr Rgb kEmptyLogoFrameColor = MakeRgb(96, 150, 70);
inline constexpr Rgb kEmptyLogoColor = MakeRgb(8, 30, 18);

// The pitch and its light.
inline constexpr uint32_t kStripeDark = Argb(255, 9, 35, 21);
inline constexpr uint32_t kStripeLight = Argb(255, 12, 45, 27);
inline constexpr uint32_t kFloodlight = Argb(64, 255, 246, 214);
inline constexpr uint32_t kFloodlightEdge = Argb(0, 255, 246, 214);
inline constexpr uint32_t kShadeTop = Argb(0, 0, 0, 0);
inline constexpr uint32_t kShadeBottom = Argb(120, 0, 8, 4);
inline constexpr uint32_t kChalk = Argb(30, 236, 255, 226);
inline constexpr uint32_t kBand = Argb(110, 0, 10, 5);
inline constexpr uint32_t kBandEdge = Argb(90, 200, 255, 0);
inline constexpr uint32_t kPitchFrame = Argb(200, 96, 150, 70);
inline constexpr uint32_t kBrand = Argb(235, 200, 255, 0);
inline constexpr uint32_t kBall = Argb(235, 244, 241, 200);
inline constexpr uint32_t kBallPatch = Argb(255, 11, 29, 18);
inline constexpr uint32_t kLogoRim = Argb(110, 200, 255, 0);
inline constexpr uint32_t kLogoGlow = Argb(70, 200, 255, 0);
inline constexpr uint32_t kVersus = Argb(150, 244, 241, 200);
inline constexpr uint32_t kGlossTop = Argb(46, 255, 255, 255);
inline constexpr uint32_t kGlossBottom = Argb(0, 255, 255, 255);

// One look of an image button: its body from top to bottom, its rim and its caption.
struct ButtonLook {
    uint32_t top;
    uint32_t bottom;
    uint32_t rim;
    uint32_t ink;
};

inline constexpr ButtonLook kQuietButton = {Argb(255, 34, 94, 57), Argb(255, 15, 54, 32), Argb(230, 200, 255, 0),
                                            Argb(255, 236, 248, 210)};
inline constexpr ButtonLook kLitButton = {Argb(255, 224, 255, 92), Argb(255, 158, 212, 0), Argb(255, 238, 255, 180),
                                          Argb(255, 10, 32, 17)};
inline constexpr ButtonLook kStartButton = {Argb(255, 212, 255, 66), Argb(255, 140, 196, 0), Argb(255, 230, 255, 160),
                                            Argb(255, 10, 32, 17)};
inline constexpr ButtonLook kStartLitButton = {Argb(255, 255, 216, 92), Argb(255, 255, 176, 0),
                                               Argb(255, 255, 236, 170), Argb(255, 36, 22, 0)};
inline constexpr ButtonLook kCornerButton = {Argb(70, 0, 0, 0), Argb(110, 0, 0, 0), Argb(110, 236, 255, 226),
                                             Argb(255, 236, 244, 224)};
inline constexpr ButtonLook kCloseLitButton = {Argb(255, 226, 62, 52), Argb(255, 184, 30, 24), Argb(255, 255, 150, 130),
                                               Argb(255, 255, 255, 255)};

// The drawn check boxes and option buttons.
inline constexpr uint32_t kToggleFill = Argb(255, 10, 36, 21);
inline constexpr uint32_t kTogglePressedFill = Argb(255, 28, 78, 44);
inline constexpr uint32_t kToggleRim = Argb(255, 176, 226, 136);
inline constexpr uint32_t kToggleHotRim = Argb(255, 200, 255, 0);
inline constexpr uint32_t kToggleDisabledRim = Argb(255, 74, 104, 80);
inline constexpr uint32_t kToggleMark = Argb(255, 200, 255, 0);
inline constexpr uint32_t kToggleDisabledMark = Argb(255, 120, 150, 112);

}  // namespace pp
