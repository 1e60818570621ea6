#include <gtest/gtest.h>

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

class ButtonFacesTest : public testing::Test {
  protected:
    FakeOs fake;
    Form1 form{fake.os};
    bool wired = (WireHandlers(form), true);
};

// The faces go in before the load; the hover set-up must keep the normal ones, so that leaving a
// button over the background shows exactly the picture it had at load.
TEST_F(ButtonFacesTest, FacesPutInBeforeTheLoadBecomeTheNormalPictures) {
    const ButtonFaceSet faces = FacesAt(1);
    InstallButtonFaces(form, faces);
    SetUpHover(form);
    for (int i : kImageButtonIndexes) {
        SCOPED_TRACE(i);
        EXPECT_EQ(form.FBU.at(i).Picture(), faces.at(i).normal);
        EXPECT_EQ(form.NBU.at(i).Picture(), faces.at(i).normal);
        HoverImageButton(form, i);
        EXPECT_EQ(form.FBU.at(i).Picture(), faces.at(i).hover);
    }
    ResetHover(form);
    for (int i : kImageButtonIndexes)
        EXPECT_EQ(form.FBU.at(i).Picture(), faces.at(i).normal) << i;
}

// A change of resolution makes new faces while the mouse may rest on a button: that button stays
// lit in the new scale, the others stay normal, and no picture of the old scale survives anywhere.
TEST_F(ButtonFacesTest, NewFacesKeepEachButtonsStateAndReplaceEveryOldPicture) {
    InstallButtonFaces(form, FacesAt(1));
    SetUpHover(form);
    HoverImageButton(form, 2);
    HoverImageButton(form, 99);

    const ButtonFaceSet faces = FacesAt(2);
    InstallButtonFaces(form, faces);
    for (int i : kImageButtonIndexes) {
        SCOPED_TRACE(i);
        const bool lit = i == 2 || i == 99;
        EXPECT_EQ(form.FBU.at(i).Picture(), lit ? faces.at(i).hover : faces.at(i).normal);
        EXPECT_EQ(form.HBU.at(i).Picture(), faces.at(i).hover);
        EXPECT_EQ(form.NBU.at(i).Picture(), faces.at(i).normal);
    }
    ResetHover(form);
    for (int i : kImageButtonIndexes)
        EXPECT_EQ(form.FBU.at(i).Picture(), faces.at(i).normal) << i;
}

TEST_F(ButtonFacesTest, IndexesWithoutAButtonAreSkipped) {
    ButtonFaceSet faces = FacesAt(1);
    faces[7] = faces.at(1);
    InstallButtonFaces(form, faces);
    EXPECT_EQ(form.FBU.count(7), 0u);
    EXPECT_EQ(form.FBU.at(1).Picture(), faces.at(1).normal);
}

}  // namespace
}  // namespace pp
