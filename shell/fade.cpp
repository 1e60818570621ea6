#include "shell/fade.h"

#include "model/form1.h"

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

uint32_t BlendChannel(uint32_t oldValue, uint32_t newValue, uint32_t alpha) {
    return (newValue * alpha + oldValue * (255 - alpha) + 127) / 255;
}

uint32_t BlendPixel(uint32_t oldPixel, uint32_t newPixel, uint32_t alpha) {
    uint32_t out = 0xFF000000u;
    for (int shift : {16, 8, 0}) {
        uint32_t o = (oldPixel >> shift) & 0xFF, n = (newPixel >> shift) & 0xFF;
        out |= BlendChannel(o, n, alpha) << shift;
    }
    return out;
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

void BlendConstantAlpha(Picture& destination, const Picture& source, uint8_t alpha) {
    if (destination.Empty() || source.Empty())
        return;
    for (int y = 0; y < destination.height; ++y) {
        const int sy = static_cast<int>(static_cast<int64_t>(y) * source.height / destination.height);
        for (int x = 0; x < destination.width; ++x) {
            const int sx = static_cast<int>(static_cast<int64_t>(x) * source.width / destination.width);
            destination.At(x, y) = BlendPixel(destination.At(x, y), source.At(sx, sy), alpha);
        }
    }
}

}  // namespace pp
