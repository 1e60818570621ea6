#include <gtest/gtest.h>

#include <cstdint>

#include "app/dpi.h"
#include "app/form1_layout.h"
#include "app/skin_win32.h"
#include "model/control_ids.h"
#include "model/form1.h"

namespace pp {
namespace {

// The skin is drawn by GDI+ for every resolution; these run it for real at 100, 125, 150 and 200 %.
constexpr int kDpis[] = {96, 120, 144, 192};

int Alpha(uint32_t pixel) {
    return static_cast<int>(pixel >> 24);
}

int Luminance(uint32_t pixel) {
    const int r = (pixel >> 16) & 0xFF, g = (pixel >> 8) & 0xFF, b = pixel & 0xFF;
    return (r * 299 + g * 587 + b * 114) / 1000;
}

// Solid pixels inside the face's rim that are brighter (or darker) than the threshold: the ink of
// its caption or glyph.
int InkPixels(const Picture& face, bool light, int threshold) {
    int count = 0;
    const int inset = face.height / 6;
    for (int y = inset; y < face.height - inset; ++y)
        for (int x = face.width / 5; x < face.width * 4 / 5; ++x) {
            const uint32_t pixel = face.At(x, y);
            const int l = Luminance(pixel);
            count += Alpha(pixel) > 200 && (light ? l > threshold : l < threshold);
        }
    return count;
}

TEST(Skin, TheBackgroundFillsTheClientAreaOpaqueAtEveryScale) {
    for (int dpi : kDpis) {
        SCOPED_TRACE(dpi);
        const Picture background = win32::DrawBackground(dpi);
        ASSERT_EQ(background.width, ScaleToDpi(kForm1Width, dpi));
        ASSERT_EQ(background.height, ScaleToDpi(kForm1Height, dpi));
        for (uint32_t pixel : background.pixels)
            ASSERT_EQ(Alpha(pixel), 255);
    }
}

// Every face is exactly its button's size at the resolution, so nothing is stretched, with
// rounded (see-through) corners, a plate, and a caption or glyph actually drawn: a font GDI+
// cannot find leaves a blank plate.
TEST(Skin, ButtonFacesFitTheirButtonsAndCarryTheirCaptions) {
    struct Ink {
        int index;
        int id;
        bool lightOnNormal;  // light ink on the normal face, dark ink on the hover face (or both light)
        bool lightOnHover;
    };
    const Ink buttons[] = {
        {0, IDC_FBU_0, true, true},   {99, IDC_FBU_99, true, false}, {1, IDC_FBU_1, true, false},
        {2, IDC_FBU_2, false, false}, {3, IDC_FBU_3, true, false},
    };
    for (int dpi : kDpis) {
        const ButtonFaceSet faces = win32::DrawButtonFaces(dpi);
        for (const Ink& button : buttons) {
            SCOPED_TRACE(testing::Message() << "dpi " << dpi << ", button " << button.index);
            const Rect96& rect = FindPlace(button.id)->rect;
            const ButtonFaces& face = faces.at(button.index);
            ASSERT_TRUE(face.normal && face.hover);
            for (const PictureRef& picture : {face.normal, face.hover}) {
                EXPECT_EQ(picture->width, ScaleToDpi(rect.width, dpi));
                EXPECT_EQ(picture->height, ScaleToDpi(rect.height, dpi));
                EXPECT_LT(Alpha(picture->At(0, 0)), 128) << "a square corner";
                // The corner buttons at rest are a tinted glass over the pitch; every other plate is solid.
                const int middle = Alpha(picture->At(picture->width / 2, picture->height - 3));
                if (picture == face.normal && (button.index == 0 || button.index == 99))
                    EXPECT_GT(middle, 60);
                else
                    EXPECT_EQ(middle, 255);
            }
            EXPECT_NE(face.normal->pixels, face.hover->pixels);
            const int area = face.normal->width * face.normal->height;
            EXPECT_GT(InkPixels(*face.normal, button.lightOnNormal, button.lightOnNormal ? 180 : 70), area / 60);
            EXPECT_GT(InkPixels(*face.hover, button.lightOnHover, button.lightOnHover ? 180 : 70), area / 60);
        }
    }
}

TEST(Skin, ACheckBoxShowsItsMarkOnlyWhenChecked) {
    for (int dpi : kDpis) {
        SCOPED_TRACE(dpi);
        const int size = ScaleToDpi(13, dpi);
        win32::ToggleState clear, checked, grey;
        checked.value = 1;
        grey.value = 2;
        const Picture a = win32::DrawToggle(win32::ToggleShape::Box, clear, size);
        const Picture b = win32::DrawToggle(win32::ToggleShape::Box, checked, size);
        const Picture c = win32::DrawToggle(win32::ToggleShape::Box, grey, size);
        ASSERT_EQ(a.width, size);
        ASSERT_EQ(a.height, size);
        EXPECT_NE(a.pixels, b.pixels);
        EXPECT_NE(b.pixels, c.pixels);
        EXPECT_LT(Luminance(a.At(size / 2, size / 2)), 60) << "an empty box is dark inside";
        EXPECT_GT(Luminance(c.At(size / 2, size / 2)), 150) << "a grey box is filled";
    }
}

}  // namespace
}  // namespace pp
