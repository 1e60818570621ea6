#include <gtest/gtest.h>

#include "app/wiring.h"
#include "model/form1.h"
#include "shell/hover.h"
#include "tests/native/support/fakes.h"

namespace pp {
namespace {

class Hover : public testing::Test {
  protected:
    FakeOs fake;
    Form1 form{fake.os};
    bool wired = (WireHandlers(form), true);
};

TEST_F(Hover, LeavingOverTheBackgroundRestoresTheLoadPictureAndLinkColour) {
    auto normal = std::make_shared<const Picture>(75, 22, 0xFF101010);
    form.FBU.at(2).SetPicture(normal);
    form.HBU.at(2).SetPicture(std::make_shared<const Picture>(75, 22, 0xFFF0F0F0));
    SetUpHover(form);
    EXPECT_EQ(form.FLB[3].ForeColor(), kLinkColor);
    HoverImageButton(form, 2);
    HoverLink(form, 3);
    EXPECT_EQ(form.FBU.at(2).Picture(), form.HBU.at(2).Picture());
    EXPECT_EQ(form.FLB[3].ForeColor(), kLinkHoverColor);
    ResetHover(form);
    EXPECT_EQ(form.FBU.at(2).Picture(), normal);
    EXPECT_EQ(form.FLB[3].ForeColor(), kLinkColor);
}

// Only the pitch puts a button out: from one button straight onto another leaves both lit.
TEST_F(Hover, MovingStraightFromOneButtonToAnotherLeavesTheFirstLit) {
    form.HBU.at(1).SetPicture(std::make_shared<const Picture>(75, 22, 1));
    SetUpHover(form);
    HoverImageButton(form, 1);
    HoverImageButton(form, 2);
    HoverImageButton(form, 7);  // no such element: nothing happens
    HoverLink(form, 5);
    EXPECT_EQ(form.FBU.at(1).Picture(), form.HBU.at(1).Picture());
}

TEST_F(Hover, OnlyTheLeftButtonDragsTheWindow) {
    PressOnBackground(form, MouseButton::Right);
    PressOnBackground(form, MouseButton::Middle);
    EXPECT_EQ(fake.window.drags, 0);
    PressOnBackground(form, MouseButton::Left);
    EXPECT_EQ(fake.window.drags, 1);
}

}  // namespace
}  // namespace pp
