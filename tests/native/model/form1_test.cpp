#include <gtest/gtest.h>

#include "tests/native/support/game_folder.h"

namespace pp {
namespace {

using Form1Model = GameFolder;

TEST_F(Form1Model, TerminatorWindowLoadsWithItsDesignTimeStateAfterEveryUnload) {
    EXPECT_EQ(form.LoadedTerminator(), nullptr);
    form.TerminatorWindow().EXESHUT.SetCaption("fifa09.exe");
    form.TerminatorWindow().TS.SetEnabled(true);
    EXPECT_EQ(form.TerminatorWindow().EXESHUT.Caption(), "fifa09.exe");
    form.UnloadTerminator();
    EXPECT_EQ(form.LoadedTerminator(), nullptr);
    EXPECT_EQ(form.TerminatorWindow().EXESHUT.Caption(), "drc.exe");
    EXPECT_FALSE(form.TerminatorWindow().TS.Enabled());
}

TEST_F(Form1Model, SlotListingNumbersSlotsFromOneAndAppends) {
    form.slots.Write(0, "A=1");
    form.slots.Write(99, "B=2");
    form.slots.Write(100, "X=1");  // numbers outside the table are ignored
    form.slots.Write(-1, "X=1");
    form.List3.List().Add("kept");
    form.Command2.Click();
    EXPECT_EQ(form.List3.List().Items(), (std::vector<std::string>{"kept", "1 A=1", "100 B=2"}));
    EXPECT_EQ(form.slots.Read(100), "");
    EXPECT_EQ(form.slots.Read(-1), "");
}

TEST_F(Form1Model, StopMessageHasTheStopTitleAndEndsTheProgram) {
    EXPECT_FALSE(Runs([&] { EndWithStopMessage(form, "Already running !"); }));
    EXPECT_EQ(fake.host.messages, std::vector<std::string>{"Already running !"});
    EXPECT_EQ(fake.host.titles, std::vector<std::string>{"09 Demo Pitch Pilot"});
    EXPECT_EQ(fake.host.ends, 1);
}

}  // namespace
}  // namespace pp
