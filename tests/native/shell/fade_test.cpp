#include <gtest/gtest.h>

#include "shell/fade.h"
#include "tests/native/support/game_folder.h"

namespace pp {
namespace {
using Fades = GameFolder;

// Alpha 15, 30, ...; the counter is shared: a second side's start resets it, the first to 255 ends.
TEST_F(Fades, EachTickBlendsFifteenMoreThroughTheSharedCounter) {
    form.P_TEMP.SetPicture(std::make_shared<const Picture>(72, 72, 0xFF000000));
    form.P_LOAD.SetPicture(std::make_shared<const Picture>(72, 72, 0xFFFFFFFF));
    form.P_LOAD2.SetPicture(std::make_shared<const Picture>(72, 72, 0xFF00FF00));
    StartFade(form, Side::Home);
    for (uint32_t alpha = 15; alpha <= 75; alpha += 15) {
        form.TA.Tick();
        EXPECT_EQ(form.P_SHOW.Surface().At(0, 0), 0xFF000000u | alpha * 0x010101u) << alpha;
    }
    StartFade(form, Side::Away);
    form.TA.Tick();
    EXPECT_EQ(form.fadeCounter, 15);
    for (int ticks = 0; form.TA.Enabled() && form.TA2.Enabled() && ticks < 100; ++ticks)
        (ticks % 2 ? form.TA : form.TA2).Tick();
    EXPECT_FALSE(form.TA.Enabled());
    int rest = 0;
    for (; form.TA2.Enabled() && rest < 100; ++rest)
        form.TA2.Tick();
    EXPECT_EQ(rest, 17);
    EXPECT_EQ(form.fadeCounter, 0);
    EXPECT_EQ(form.P_SHOW.Surface().At(71, 71), 0xFFFFFFFFu);
    EXPECT_EQ(form.P_SHOW2.Surface().At(0, 0), 0xFF00FF00u);
    EXPECT_EQ(form.P_TEMP.Picture(), form.P_LOAD.Picture());
}
}  // namespace
}  // namespace pp
