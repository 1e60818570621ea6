#include <gtest/gtest.h>

#include <algorithm>

#include "app/wiring.h"
#include "model/form1.h"
#include "shell/button_faces.h"
#include "shell/hover.h"
#include "tests/native/support/fakes.h"

namespace pp {
namespace {

// Faces of one scale: every picture is distinct, and its size tells the scale it was made at.
ButtonFaceSet FacesAt(int scale) {
    ButtonFaceSet faces;
    for (int i : kImageButtonIndexes) {
        const auto colour = static_cast<uint32_t>(0xFF000000u | (i << 8) | scale);
        faces[i] = {std::make_shared<const Picture>(19 * scale, 18 * scale, colour),
                    std::make_shared<const Picture>(19 * scale, 18 * scale, colour | 0x00FF0000u)};
    }
    return faces;
}

class Hover : public testing::Test {
  protected:
    void ExpectButtonsShow(const ButtonFaceSet& faces, std::initializer_list<int> lit) {
        for (int i : kImageButtonIndexes) {
            const bool isLit = std::find(lit.begin(), lit.end(), i) != lit.end();
            EXPECT_EQ(form.FBU.at(i).Picture(), isLit ? faces.at(i).hover : faces.at(i).normal) << i;
            EXPECT_EQ(form.HBU.at(i).Picture(), faces.at(i).hover) << i;
            EXPECT_EQ(form.NBU.at(i).Picture(), faces.at(i).normal) << i;
        }
    }

    FakeOs fake;
    Form1 form{fake.os};
    bool wired = (WireHandlers(form), true);
};

// Faces go in before the load, and the hover set-up keeps them as the normal pictures. Only the
// pitch puts a button out: from one button straight onto another leaves both lit.
TEST_F(Hover, ButtonsAndLinksLightUpUntilTheMouseCrossesThePitch) {
    const ButtonFaceSet faces = FacesAt(1);
    InstallButtonFaces(form, faces);
    SetUpHover(form);
    EXPECT_EQ(form.FLB[3].ForeColor(), kLinkColor);
    HoverImageButton(form, 1);
    HoverImageButton(form, 2);
    HoverImageButton(form, 7);  // no such element: nothing happens
    HoverLink(form, 0);
    HoverLink(form, 3);
    HoverLink(form, 5);
    ExpectButtonsShow(faces, {1, 2});
    EXPECT_EQ(form.FLB[0].ForeColor(), kLinkHoverColor);
    EXPECT_EQ(form.FLB[3].ForeColor(), kLinkHoverColor);
    ResetHover(form);
    ExpectButtonsShow(faces, {});
    EXPECT_EQ(form.FLB[3].ForeColor(), kLinkColor);
    PressOnBackground(form, MouseButton::Right);
    PressOnBackground(form, MouseButton::Middle);
    PressOnBackground(form, MouseButton::Left);
    EXPECT_EQ(fake.window.drags, 1);  // only the left button drags the window
}

// A change of resolution makes new faces while the mouse may rest on a button: that button stays
// lit in the new scale, the others stay normal, and no picture of the old scale survives anywhere.
TEST_F(Hover, NewFacesKeepEachButtonsStateAndReplaceEveryOldPicture) {
    InstallButtonFaces(form, FacesAt(1));
    SetUpHover(form);
    HoverImageButton(form, 2);
    HoverImageButton(form, 99);
    ButtonFaceSet faces = FacesAt(2);
    faces[7] = faces.at(1);  // no such button: skipped
    InstallButtonFaces(form, faces);
    ExpectButtonsShow(faces, {2, 99});
    ResetHover(form);
    ExpectButtonsShow(faces, {});
    EXPECT_EQ(form.FBU.count(7), 0u);
}

}  // namespace
}  // namespace pp
