#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "model/form1.h"
#include "tests/native/support/fakes.h"
#include "view/form1_layout.h"
#include "view/main_window_win32.h"
#include "view/skin_win32.h"

namespace pp {
namespace {

// The real window over a model with no handlers wired and no Load, on the native tests' stand-ins
// for the system's services. That input reaches the model and the model is shown again is proved by
// the end-to-end journey, which clicks, picks and types through these children.
class MainWindowTest : public testing::Test {
  protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
        ::InitCommonControlsEx(&controls);
        ASSERT_TRUE(window.Create());
    }
    HWND Child(int id) { return ::GetDlgItem(window.Handle(), id); }

    FakeOs fake;
    Form1 form{fake.os};
    win32::MainWindowHost windowHost;
    win32::MainWindow window{form, windowHost, ::GetModuleHandleW(nullptr)};
};

TEST_F(MainWindowTest, EveryRowOfTheLayoutBecomesAChildUnderItsControlId) {
    for (const ControlPlace& place : Form1Layout())
        EXPECT_NE(Child(place.id), nullptr) << place.id;
}

// The skin is drawn by GDI+ for every resolution: these run it for real at 100, 125, 150 and 200 %.
TEST(Skin, BackgroundFacesAndTogglesAreDrawnAtEveryScale) {
    for (int dpi : {96, 120, 144, 192}) {
        SCOPED_TRACE(dpi);
        const Picture background = win32::DrawBackground(dpi);
        ASSERT_TRUE(background.width == ScaleToDpi(kForm1Width, dpi) &&
                    background.height == ScaleToDpi(kForm1Height, dpi));
        EXPECT_TRUE(std::all_of(background.pixels.begin(), background.pixels.end(),
                                [](uint32_t p) { return p >> 24 == 0xFF; }));

        const ButtonFaceSet faces = win32::DrawButtonFaces(dpi);
        for (const ImageButtonRow& button : kImageButtons) {
            const ButtonFaces& face = faces.at(button.index);
            ASSERT_TRUE(face.normal && face.hover) << button.index;
            EXPECT_TRUE(face.normal->width == ScaleToDpi(button.width, dpi) &&
                        face.hover->height == ScaleToDpi(button.height, dpi));
            EXPECT_LT(face.normal->At(0, 0) >> 24, 128u) << "rounded, see-through corners";
            EXPECT_NE(face.normal->pixels, face.hover->pixels);
            if (button.InCorner())
                continue;
            // The caption is drawn across the middle, where a missing font would leave a bare plate.
            const Picture& plate = *face.normal;
            int ink = 0;
            for (int x = plate.width / 4; x < plate.width * 3 / 4; ++x)
                ink += plate.At(x, plate.height / 2) != plate.At(plate.width / 8, plate.height / 2);
            EXPECT_GT(ink, 3) << button.caption;
        }

        const Picture clear = win32::DrawToggle(win32::ToggleShape::Box, {}, ScaleToDpi(13, dpi));
        EXPECT_EQ(clear.width, ScaleToDpi(13, dpi));
        EXPECT_NE(clear.pixels, win32::DrawToggle(win32::ToggleShape::Box, {1}, ScaleToDpi(13, dpi)).pixels);
    }
}

}  // namespace
}  // namespace pp
