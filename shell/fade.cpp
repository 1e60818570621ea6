#include "shell/fade.h"

#include "model/form1.h"
#include "model/pixels.h"

namespace pp {
namespace {

constexpr int kFadeStep = 15;
constexpr int kFadeEnd = 255;

struct FadeBoxes {
    Timer& timer;
    PictureBox& oldPicture;
    PictureBox& newPicture;
    PictureBox& display;
};

FadeBoxes BoxesOf(Form1& form, Side side) {
    if (side == Side::Home)
        return {form.TA, form.P_TEMP, form.P_LOAD, form.P_SHOW};
    return {form.TA2, form.P_TEMP2, form.P_LOAD2, form.P_SHOW2};
}

}  // namespace

void WireFades(Form1& form) {
    form.TA.onTimer = [&form] { FadeTick(form, Side::Home); };
    form.TA2.onTimer = [&form] { FadeTick(form, Side::Away); };
}

void StartFade(Form1& form, Side side) {
    BoxesOf(form, side).timer.SetEnabled(true);
    form.fadeCounter = 0;
}

void FadeTick(Form1& form, Side side) {
    FadeBoxes boxes = BoxesOf(form, side);
    boxes.display.SetPicture(boxes.oldPicture.Picture());
    form.fadeCounter = static_cast<int16_t>(form.fadeCounter + kFadeStep);
    const uint8_t alpha = static_cast<uint8_t>(form.fadeCounter & 0xFF);
    BlendConstantAlpha(boxes.display.SurfaceForDrawing(), boxes.newPicture.Surface(), alpha);
    if (form.fadeCounter == kFadeEnd) {
        form.fadeCounter = 0;
        boxes.timer.SetEnabled(false);
        boxes.oldPicture.SetPicture(boxes.newPicture.Picture());
    }
}

}  // namespace pp
