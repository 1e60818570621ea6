#include <gtest/gtest.h>

#include "app/wiring.h"
#include "model/form1.h"
#include "tests/native/support/fakes.h"

namespace pp {
namespace {

TEST(CheckBox, ProgrammaticChangeRaisesClickOnlyWhenTheValueChanges) {
    CheckBox box("Check3", "Audio");
    int clicks = 0;
    box.onClick = [&] { ++clicks; };
    box.SetValue(1);
    box.SetValue(1);
    EXPECT_EQ(clicks, 1);
    box.SetValue(2);
    EXPECT_EQ(clicks, 2);
    EXPECT_FALSE(box.Checked());
}

TEST(CheckBox, RefusesValuesOutsideZeroToTwo) {
    CheckBox box("Check5", "Windowed");
    int clicks = 0;
    box.onClick = [&] { ++clicks; };
    EXPECT_FALSE(box.SetValue(3));
    EXPECT_FALSE(box.SetValue(-1));
    EXPECT_EQ(box.Value(), 0);
    EXPECT_EQ(clicks, 0);
}

TEST(CheckBox, DisabledBoxRefusesTheUserButHoldsTheProgramsValue) {
    CheckBox box("Check2", "Save USER.INI");
    box.SetEnabled(false);
    box.UserClick();
    EXPECT_EQ(box.Value(), 0);
    box.SetValue(1);
    EXPECT_EQ(box.Value(), 1);
    box.SetEnabled(true);
    box.UserClick();
    EXPECT_EQ(box.Value(), 0);
}

TEST(ComboBox, ProgrammaticChangeRaisesClickOnlyWhenTheIndexChanges) {
    ComboBox combo("Combo8", ComboStyle::DropDownList, false, {"Low", "Medium", "High"});
    int clicks = 0;
    combo.onClick = [&] { ++clicks; };
    combo.SetListIndex(2);
    combo.SetListIndex(2);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(combo.Text(), "High");
    EXPECT_FALSE(combo.SetListIndex(3));
    EXPECT_FALSE(combo.SetListIndex(-2));
    EXPECT_EQ(combo.ListIndex(), 2);
    EXPECT_EQ(clicks, 1);
    combo.SetListIndex(-1);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(combo.Text(), "");
}

TEST(ComboBox, EditableBoxTakesTypedTextWithoutClick) {
    ComboBox combo("Combo7", ComboStyle::Editable, false, {"640x480x32", "1024x768x32"});
    int clicks = 0;
    combo.onClick = [&] { ++clicks; };
    combo.SetListIndex(1);
    combo.SetText("1920x1080x32");
    EXPECT_EQ(combo.Text(), "1920x1080x32");
    EXPECT_EQ(combo.ListIndex(), -1);
    EXPECT_EQ(clicks, 1);
}

TEST(ComboBox, DropDownListIgnoresTypedText) {
    ComboBox combo("Combo6", ComboStyle::DropDownList, false, {"Sunny", "Noon"});
    combo.SetListIndex(1);
    combo.SetText("Midnight");
    EXPECT_EQ(combo.Text(), "Noon");
    EXPECT_EQ(combo.ListIndex(), 1);
}

TEST(OptionButtons, SelectingAnotherElementRaisesClickWithItsIndex) {
    OptionButtonArray ot("OT", 3, 0);
    std::vector<int> clicks;
    ot.onClick = [&](int i) { clicks.push_back(i); };
    ot.Select(2);
    ot.Select(2);
    ot.Select(1);
    EXPECT_FALSE(ot.Select(3));
    EXPECT_EQ(clicks, (std::vector<int>{2, 1}));
    EXPECT_EQ(ot.Selected(), 1);
}

TEST(TextBox, KeyFilterCanSwallowAKey) {
    TextBox box("ZMO", "");
    box.onKeyPress = [](int& code) {
        if (code == 'x')
            code = 0;
    };
    for (int key : {int{'1'}, int{'x'}, int{'.'}, int{'5'}, 8, int{'7'}})
        box.UserTypes(key);
    EXPECT_EQ(box.Text(), "1.7");
}

TEST(Timer, TicksOnlyWhileEnabled) {
    Timer timer("TA", 1, false);
    int ticks = 0;
    timer.onTimer = [&] { ++ticks; };
    timer.Tick();
    timer.SetEnabled(true);
    timer.Tick();
    EXPECT_EQ(ticks, 1);
}

TEST(Timer, HandlerMayDestroyTheTimersOwner) {
    auto owner = std::make_unique<Timer>("TS", 1, true);
    int ticks = 0;
    owner->onTimer = [&] {
        ++ticks;
        owner.reset();
    };
    owner->Tick();
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(owner, nullptr);
}

TEST(Form1, DesignTimeStateBeforeTheSavedStateIsApplied) {
    FakeOs fake;
    Form1 form(fake.os);
    WireHandlers(form);
    EXPECT_EQ(form.Check2.Value(), 1);
    EXPECT_FALSE(form.Check2.Enabled());
    EXPECT_EQ(form.OT.Selected(), 0);
    for (CheckBox* box :
         {&form.Check1, &form.Check3, &form.Check10, &form.Check16, &form.Check20, &form.Check28, &form.Check70})
        EXPECT_EQ(box->Value(), 0) << box->Name();
    for (ComboBox* combo : {&form.Combo1, &form.Combo3, &form.Combo7, &form.Combo14, &form.Combo18, &form.Combo19})
        EXPECT_EQ(combo->ListIndex(), -1) << combo->Name();
    EXPECT_EQ(form.Combo7.Text(), "Combo7");
    EXPECT_FALSE(form.Combo18.Enabled());
    for (int slot = 0; slot < SlotTable::kSize; ++slot)
        EXPECT_EQ(form.slots.Read(slot), "") << slot;
    EXPECT_EQ(form.LP.Caption(), "Label2");
    EXPECT_TRUE(form.TKEY.Enabled());
    EXPECT_EQ(form.TKEY.Interval(), 100);
    EXPECT_FALSE(form.TA.Enabled());
    EXPECT_EQ(form.Label1[15].Caption(), "ZOOM MODIFIER");
    EXPECT_EQ(form.Label1[21].Caption(), "HEIGHT MODIFIER");
    EXPECT_EQ(form.Label2[2].Caption(), ".:: Press F12 to exit while playing ::.");
    EXPECT_EQ(form.LoadedTerminator(), nullptr);
}

TEST(Form1, TerminatorWindowLoadsFreshAfterAnUnload) {
    FakeOs fake;
    Form1 form(fake.os);
    WireHandlers(form);
    form.TerminatorWindow().EXESHUT.SetCaption("fifa09.exe");
    EXPECT_EQ(form.TerminatorWindow().EXESHUT.Caption(), "fifa09.exe");
    form.UnloadTerminator();
    EXPECT_EQ(form.LoadedTerminator(), nullptr);
    EXPECT_EQ(form.TerminatorWindow().EXESHUT.Caption(), "drc.exe");
    EXPECT_FALSE(form.TerminatorWindow().TS.Enabled());
}

TEST(Form1, SlotListingNumbersSlotsFromOneAndAppends) {
    FakeOs fake;
    Form1 form(fake.os);
    WireHandlers(form);
    form.slots.Write(0, "A=1");
    form.slots.Write(99, "B=2");
    form.List3.List().Add("kept");
    form.Command2.Click();
    EXPECT_EQ(form.List3.List().Items(), (std::vector<std::string>{"kept", "1 A=1", "100 B=2"}));
}

TEST(SlotTable, NumbersOutsideTheTableAreIgnored) {
    SlotTable slots;
    slots.Write(100, "X=1");
    slots.Write(-1, "X=1");
    EXPECT_EQ(slots.Read(100), "");
    EXPECT_EQ(slots.Read(-1), "");
}

}  // namespace
}  // namespace pp
