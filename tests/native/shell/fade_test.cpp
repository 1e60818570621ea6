#include <gtest/gtest.h>

#include <vector>

#include "app/wiring.h"
#include "model/form1.h"
#include "shell/fade.h"
#include "tests/native/support/fakes.h"

namespace pp {
namespace {

PictureRef Solid(uint32_t argb) {
    return std::make_shared<const Picture>(72, 72, argb);
}

class Fades : public testing::Test {
  protected:
    // Ticks the timer of a side until it stops; returns how many ticks it took.
    size_t RunToEnd(Timer& timer) {
        size_t ticks = 0;
        for (; timer.Enabled() && ticks < 1000; ++ticks)
            timer.Tick();
        return ticks;
    }

    FakeOs fake;
    Form1 form{fake.os};
    bool wired = (WireHandlers(form), true);
};

// Alpha 15, 30, ... 255 over the old picture each time (never over the last frame), and at the end
// the new picture, unblended, becomes the old one.
TEST_F(Fades, AFadeBlendsFifteenMoreEachTickAndEndsOnTheNewPicture) {
    form.P_TEMP.SetPicture(Solid(0xFF000000));
    form.P_LOAD.SetPicture(Solid(0xFFFFFFFF));
    StartFade(form, Side::Home);
    for (uint32_t alpha = 15; alpha < 255; alpha += 15) {
        form.TA.Tick();
        EXPECT_EQ(form.P_SHOW.Surface().At(0, 0), 0xFF000000u | alpha * 0x010101u) << alpha;
        EXPECT_EQ(form.fadeCounter, static_cast<int>(alpha));
    }
    EXPECT_EQ(RunToEnd(form.TA), 1u);
    EXPECT_EQ(form.fadeCounter, 0);
    EXPECT_EQ(form.P_SHOW.Surface().At(71, 71), 0xFFFFFFFFu);
    EXPECT_EQ(form.P_TEMP.Picture(), form.P_LOAD.Picture());
}

// The counter is shared: a second side's start sets it back to 0, every tick of either adds 15, and
// the one that reaches 255 completes while the other goes on from 0.
TEST_F(Fades, StartingOneSideRestartsTheOtherThroughTheSharedCounter) {
    form.P_LOAD.SetPicture(Solid(0xFFFFFFFF));
    form.P_LOAD2.SetPicture(Solid(0xFF00FF00));
    StartFade(form, Side::Home);
    for (int i = 0; i < 5; ++i)
        form.TA.Tick();
    StartFade(form, Side::Away);
    form.TA.Tick();
    EXPECT_EQ(form.fadeCounter, 15);
    for (int ticks = 0; form.TA.Enabled() && form.TA2.Enabled() && ticks < 100; ++ticks)
        (ticks % 2 ? form.TA : form.TA2).Tick();
    EXPECT_EQ(RunToEnd(form.TA.Enabled() ? form.TA : form.TA2), 17u);
    EXPECT_EQ(form.P_SHOW.Surface().At(0, 0), 0xFFFFFFFFu);
    EXPECT_EQ(form.P_SHOW2.Surface().At(0, 0), 0xFF00FF00u);
}

}  // namespace
}  // namespace pp
