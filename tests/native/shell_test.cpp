#include <gtest/gtest.h>

#include "app/wiring.h"
#include "model/form1.h"
#include "shell/commands.h"
#include "shell/fade.h"
#include "shell/hover.h"
#include "tests/native/support/fakes.h"

namespace pp {
namespace {

PictureRef Solid(int w, int h, uint32_t argb) {
    return std::make_shared<const Picture>(w, h, argb);
}

class Fades : public testing::Test {
  protected:
    FakeOs fake;
    Form1 form{fake.os};
    bool wired = (WireHandlers(form), true);

    // Ticks the timer of a side until it stops; returns the alphas its ticks used.
    std::vector<int> RunToEnd(Timer& timer) {
        std::vector<int> alphas;
        for (int guard = 0; timer.Enabled() && guard < 1000; ++guard) {
            timer.Tick();
            alphas.push_back(form.fadeCounter == 0 ? 255 : form.fadeCounter);
        }
        return alphas;
    }
};

TEST(Blend, EachChannelIsOldTimesOneMinusAlphaPlusNewTimesAlpha) {
    struct Case {
        uint32_t oldPixel, newPixel;
        uint8_t alpha;
        uint32_t expected;
    };
    const std::vector<Case> cases = {
        {0xFF000000, 0xFFFFFFFF, 0, 0xFF000000},   {0xFF000000, 0xFFFFFFFF, 255, 0xFFFFFFFF},
        {0xFF000000, 0xFFFFFFFF, 15, 0xFF0F0F0F},  {0xFF102030, 0xFFF0E0D0, 128, 0xFF808080},
        {0xFFFF0000, 0xFF0000FF, 240, 0xFF0F00F0}, {0xFF646464, 0xFF646464, 99, 0xFF646464},
    };
    for (const auto& c : cases) {
        Picture dst(1, 1, c.oldPixel);
        Picture src(1, 1, c.newPixel);
        BlendConstantAlpha(dst, src, c.alpha);
        EXPECT_EQ(dst.At(0, 0), c.expected) << std::hex << c.oldPixel << " " << c.newPixel << " " << int(c.alpha);
    }
}

TEST(Blend, SourceIsStretchedToTheDestination) {
    Picture src(2, 1);
    src.At(0, 0) = 0xFFFF0000;
    src.At(1, 0) = 0xFF0000FF;
    Picture dst(4, 2, 0xFF000000);
    BlendConstantAlpha(dst, src, 255);
    EXPECT_EQ(dst.At(1, 1), 0xFFFF0000u);
    EXPECT_EQ(dst.At(2, 0), 0xFF0000FFu);
}

TEST_F(Fades, AFadeTakesSeventeenTicksFromFifteenTo255) {
    form.P_LOAD.SetPicture(Solid(72, 72, 0xFFFFFFFF));
    StartFade(form, Side::Home);
    std::vector<int> expected;
    for (int a = 15; a <= 255; a += 15)
        expected.push_back(a);
    EXPECT_EQ(RunToEnd(form.TA), expected);
    EXPECT_EQ(form.fadeCounter, 0);
    EXPECT_FALSE(form.TA.Enabled());
    // The last tick draws the new picture unblended, and it becomes the old picture.
    EXPECT_EQ(form.P_SHOW.Surface().At(10, 10), 0xFFFFFFFFu);
    EXPECT_EQ(form.P_TEMP.Picture(), form.P_LOAD.Picture());
}

TEST_F(Fades, EachTickBlendsOverTheOldPictureAfresh) {
    form.P_TEMP.SetPicture(Solid(72, 72, 0xFF000000));
    form.P_LOAD.SetPicture(Solid(72, 72, 0xFFFFFFFF));
    StartFade(form, Side::Home);
    form.TA.Tick();
    EXPECT_EQ(form.P_SHOW.Surface().At(0, 0), 0xFF0F0F0Fu);
    form.TA.Tick();
    EXPECT_EQ(form.P_SHOW.Surface().At(0, 0), 0xFF1E1E1Eu);  // alpha 30 over black, not over the last frame
}

TEST_F(Fades, StartingOneSideRestartsTheOtherThroughTheSharedCounter) {
    form.P_LOAD.SetPicture(Solid(72, 72, 0xFFFFFFFF));
    form.P_LOAD2.SetPicture(Solid(72, 72, 0xFF00FF00));
    StartFade(form, Side::Home);
    for (int i = 0; i < 5; ++i)
        form.TA.Tick();
    StartFade(form, Side::Away);
    form.TA.Tick();
    EXPECT_EQ(form.fadeCounter, 15);
    // Both running: every tick of either adds 15; the one that reaches 255 completes.
    int ticks = 0;
    while (form.TA.Enabled() && form.TA2.Enabled() && ticks < 100) {
        form.TA2.Tick();
        ++ticks;
        if (form.TA2.Enabled())
            form.TA.Tick(), ++ticks;
    }
    EXPECT_FALSE(form.TA.Enabled() && form.TA2.Enabled());
    Timer& still = form.TA.Enabled() ? form.TA : form.TA2;
    EXPECT_EQ(RunToEnd(still).size(), 17u);  // the other goes on from 0
    EXPECT_EQ(form.P_SHOW.Surface().At(0, 0), 0xFFFFFFFFu);
    EXPECT_EQ(form.P_SHOW2.Surface().At(0, 0), 0xFF00FF00u);
}

TEST_F(Fades, SecondChoiceDuringAFadeNeverMakesTheFirstTheOldPicture) {
    auto first = Solid(72, 72, 0xFFFF0000);
    auto second = Solid(72, 72, 0xFF0000FF);
    form.P_LOAD.SetPicture(first);
    StartFade(form, Side::Home);
    form.TA.Tick();
    form.TA.Tick();
    form.P_LOAD.SetPicture(second);
    StartFade(form, Side::Home);
    RunToEnd(form.TA);
    EXPECT_EQ(form.P_TEMP.Picture(), second);
    EXPECT_EQ(form.P_SHOW.Surface().At(5, 5), 0xFF0000FFu);
}

TEST_F(Fades, AFadeWithoutPicturesStillCountsAndEnds) {
    StartFade(form, Side::Away);
    EXPECT_EQ(RunToEnd(form.TA2).size(), 17u);
}

TEST(PictureBox, LargePictureIsShrunkToFitWholeSmallOneDrawnFromTheCorner) {
    PictureBox box("P_LOAD", 72, 72);
    Picture big(288, 144, 0xFF00FF00);
    box.SetPicture(std::make_shared<const Picture>(big));
    EXPECT_EQ(box.Surface().At(71, 35), 0xFF00FF00u);
    EXPECT_EQ(box.Surface().At(71, 36), 0xFF000000u);
    box.SetPicture(Solid(10, 10, 0xFFFFFFFF));
    EXPECT_EQ(box.Surface().At(9, 9), 0xFFFFFFFFu);
    EXPECT_EQ(box.Surface().At(10, 10), 0xFF000000u);
    box.SetPicture(Solid(0, 0, 0));
    EXPECT_EQ(box.Surface().width, 72);
}

TEST(Hover, LeavingOverTheBackgroundRestoresTheLoadPicture) {
    FakeOs fake;
    Form1 form(fake.os);
    WireHandlers(form);
    auto normal = Solid(75, 22, 0xFF101010), hover = Solid(75, 22, 0xFFF0F0F0);
    form.FBU.at(2).SetPicture(normal);
    form.HBU.at(2).SetPicture(hover);
    SetUpHover(form);
    HoverImageButton(form, 2);
    EXPECT_EQ(form.FBU.at(2).Picture(), hover);
    HoverLink(form, 3);
    EXPECT_EQ(form.FLB[3].ForeColor(), MakeRgb(255, 190, 0));
    ResetHover(form);
    EXPECT_EQ(form.FBU.at(2).Picture(), normal);
    EXPECT_EQ(form.FLB[3].ForeColor(), MakeRgb(200, 255, 0));
}

TEST(Hover, MovingStraightFromOneButtonToAnotherLeavesTheFirstLit) {
    FakeOs fake;
    Form1 form(fake.os);
    WireHandlers(form);
    form.HBU.at(1).SetPicture(Solid(75, 22, 1));
    form.HBU.at(2).SetPicture(Solid(75, 22, 2));
    SetUpHover(form);
    HoverImageButton(form, 1);
    HoverImageButton(form, 2);
    EXPECT_EQ(form.FBU.at(1).Picture(), form.HBU.at(1).Picture());
    HoverImageButton(form, 7);  // no such element: nothing happens
    HoverLink(form, 5);
}

TEST(Drag, OnlyTheLeftButtonDragsTheWindow) {
    FakeOs fake;
    Form1 form(fake.os);
    WireHandlers(form);
    PressOnBackground(form, MouseButton::Right);
    PressOnBackground(form, MouseButton::Middle);
    EXPECT_EQ(fake.window.drags, 0);
    PressOnBackground(form, MouseButton::Left);
    EXPECT_EQ(fake.window.drags, 1);
}

class Links : public testing::Test {
  protected:
    Links() {
        fake.host.programFolder = "C:\\Game Root\\KWTR\\PP09";
        form.LP.SetCaption("C:\\Game Root\\");
    }
    FakeOs fake;
    Form1 form{fake.os};
    bool wired = (WireHandlers(form), true);
};

TEST_F(Links, EachLinkOpensItsTarget) {
    fake.files.Put("C:\\Game Root\\KWTR\\tut\\09 Hoarding Kit.html", "<html>");
    for (int i = -1; i <= 5; ++i)
        ClickLink(form, i);
    ASSERT_EQ(fake.shell.calls.size(), 5u);
    struct Expected {
        std::string file, parameters, folder;
    };
    const std::vector<Expected> expected = {
        {"explorer.exe", " C:\\Game Root\\", "C:\\Game Root\\"},
        {"explorer.exe", " C:\\Game Root\\data\\", "C:\\Game Root\\data\\"},
        {"C:\\Game Root\\KWTR\\tut\\09 Hoarding Kit.html", "", "C:\\Game Root\\KWTR\\tut\\"},
        {kHomePageAddress, "", "C:\\Game Root\\KWTR\\PP09"},
        {kSiteAddress, "", "C:\\Game Root\\KWTR\\PP09"},
    };
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(fake.shell.calls[i].file, expected[i].file) << i;
        EXPECT_EQ(fake.shell.calls[i].parameters, expected[i].parameters) << i;
        EXPECT_EQ(fake.shell.calls[i].folder, expected[i].folder) << i;
    }
}

TEST_F(Links, MissingHelpPageOpensTheReadmeInTheTextEditor) {
    ClickLink(form, 2);
    ASSERT_EQ(fake.shell.calls.size(), 1u);
    EXPECT_EQ(fake.shell.calls[0].file, "notepad.exe");
    EXPECT_EQ(fake.shell.calls[0].parameters, " readme.txt");
    EXPECT_EQ(fake.shell.calls[0].folder, "C:\\Game Root\\KWTR\\PP09");
}

TEST_F(Links, MinimiseButtonLeavesChoicesAndFadesAlone) {
    form.P_LOAD.SetPicture(Solid(72, 72, 0xFFFFFFFF));
    StartFade(form, Side::Home);
    form.TA.Tick();
    form.Check3.SetValue(1);
    ClickImageButton(form, 99);
    EXPECT_EQ(fake.window.minimises, 1);
    EXPECT_TRUE(form.TA.Enabled());
    EXPECT_EQ(form.fadeCounter, 15);
    EXPECT_EQ(form.Check3.Value(), 1);
}

TEST_F(Links, CloseButtonSavesClosesAndDropsTheTerminator) {
    std::vector<std::string> order;
    form.CM1.onClick = [&] { order.push_back("save"); };
    form.TerminatorWindow().TS.SetEnabled(true);
    ClickImageButton(form, 0);
    EXPECT_EQ(order, (std::vector<std::string>{"save"}));
    EXPECT_EQ(fake.window.closes, 1);
    EXPECT_EQ(form.LoadedTerminator(), nullptr);
}

TEST_F(Links, WideButtonsRunTheirCommands) {
    std::vector<std::string> order;
    form.CM1.onClick = [&] { order.push_back("save"); };
    form.CM2.onClick = [&] { order.push_back("start"); };
    form.CM3.onClick = [&] { order.push_back("penalty"); };
    for (int i : {1, 2, 3, 4, 98, -1})
        ClickImageButton(form, i);
    EXPECT_EQ(order, (std::vector<std::string>{"save", "start", "penalty"}));
    EXPECT_EQ(fake.window.closes + fake.window.minimises, 0);
}

}  // namespace
}  // namespace pp
