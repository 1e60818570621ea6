#include <gtest/gtest.h>

#include "tests/native/support/game_folder.h"

namespace pp {
namespace {
using Form1Model = GameFolder;

TEST_F(Form1Model, SlotListingNumbersSlotsFromOneAndAppends) {
    form.slots.Write(0, "A=1");
    form.slots.Write(99, "B=2");
    form.slots.Write(100, "X=1");  // numbers outside the table are ignored
    form.slots.Write(-1, "X=1");
    form.List3.List().Add("kept");
    form.Command2.Click();
    EXPECT_EQ(form.List3.List().Items(), (Items{"kept", "1 A=1", "100 B=2"}));
    EXPECT_EQ(form.slots.Read(100) + form.slots.Read(-1), "");
    EXPECT_FALSE(form.Check6.Enabled() || form.Check20.Enabled());  // locked until their partners allow them
}
}  // namespace
}  // namespace pp
