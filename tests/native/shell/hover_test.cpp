#include <gtest/gtest.h>
#include <algorithm>

#include "shell/button_faces.h"
#include "shell/hover.h"
#include "tests/native/support/game_folder.h"

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

struct Hover : GameFolder {
    void ExpectButtonsShow(const ButtonFaceSet& faces, std::initializer_list<int> lit) {
        for (int i : kImageButtonIndexes) {
            const bool isLit = std::find(lit.begin(), lit.end(), i) != lit.end();
            EXPECT_EQ(form.FBU.at(i).Picture(), isLit ? faces.at(i).hover : faces.at(i).normal) << i;
        }
    }
};

// Button to button leaves both lit; new faces keep each button's state and replace every old picture.
TEST_F(Hover, ButtonsAndLinksLightUpUntilTheMouseCrossesThePitch) {
    InstallButtonFaces(form, FacesAt(1));
    SetUpHover(form);
    for (int button : {1, 2, 7})  // 7: no such element, nothing happens
        HoverImageButton(form, button);
    for (int link : {0, 3, 5})
        HoverLink(form, link);
    ButtonFaceSet faces = FacesAt(2);
    faces[7] = faces.at(1);  // no such button: skipped
    InstallButtonFaces(form, faces);
    ExpectButtonsShow(faces, {1, 2});
    EXPECT_EQ(form.FBU.count(7), 0u);
    EXPECT_EQ(form.FLB[0].ForeColor(), kLinkHoverColor);
    EXPECT_EQ(form.FLB[3].ForeColor(), kLinkHoverColor);
    ResetHover(form);
    ExpectButtonsShow(faces, {});
    EXPECT_EQ(form.FLB[3].ForeColor(), kLinkColor);
    for (MouseButton button : {MouseButton::Right, MouseButton::Middle, MouseButton::Left})
        PressOnBackground(form, button);
    EXPECT_EQ(fake.window.drags, 1);  // only the left button drags the window
}
}  // namespace
}  // namespace pp
