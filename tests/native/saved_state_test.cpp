#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "app/wiring.h"
#include "model/form1.h"
#include "state/saved_state.h"
#include "tests/native/support/fakes.h"

namespace pp {
namespace {

const std::string kRoot = "C:\\Games\\FIFA 09 Demo\\";

std::string Key(const std::string& key) {
    return MemorySettingsStore::Address(kSettingsApplication, "09PP", key);
}

// 300 teams named "Team 001" to "Team 300" with the ids 1001 to 1300; sorted, the lists keep that
// order, so index i is the team with the id 1001 + i.
std::string TeamFile() {
    std::string text;
    for (int i = 1; i <= 300; ++i) {
        std::string n = std::to_string(i);
        text += "Team " + std::string(3 - n.size(), '0') + n + "," + std::to_string(1000 + i) + "\r\n";
    }
    return text;
}

void InstallGame(MemoryFileSystem& files) {
    files.Put(kRoot + "KWTR\\teams.ini", TeamFile());
    files.Put(kRoot + "KWTR\\stads.ini", "Brookfield Park,7\r\nAshgrove Lane,4\r\n");
    files.Put(kRoot + "data\\fifa.fat", "");
    files.Put(kRoot + "fifa09.exe", "");
    files.Put(kRoot + "data\\cmn\\fifa.db", "");
}

// One run of the tool on a settings store that lasts across runs, as the per-user store does.
class SavedState : public testing::Test {
  protected:
    SavedState() { InstallGame(fake.files); }

    std::unique_ptr<Form1> Start() {
        auto form = std::make_unique<Form1>(fake.os);
        WireHandlers(*form);
        form->Load();
        return form;
    }
    void Store(const std::string& key, const std::string& value) { fake.settings.values[Key(key)] = value; }
    const std::string& Stored(const std::string& key) { return fake.settings.values.at(Key(key)); }

    FakeOs fake;
};

struct ParseCase {
    std::string text;
    std::optional<int> number;
};

TEST(ParseWholeNumber, TakesOnlyASignAndDigits) {
    const std::vector<ParseCase> cases = {
        {"0", 0},
        {"1", 1},
        {"-1", -1},
        {"+2", 2},
        {"007", 7},
        {"-0", 0},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"2147483648", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"", std::nullopt},
        {"-", std::nullopt},
        {"+", std::nullopt},
        {"+-1", std::nullopt},
        {"--1", std::nullopt},
        {" 1", std::nullopt},
        {"1 ", std::nullopt},
        {"1.0", std::nullopt},
        {"0.5", std::nullopt},
        {"1e2", std::nullopt},
        {"0x10", std::nullopt},
        {"abc", std::nullopt},
        {"１", std::nullopt},  // a full-width digit is no digit
        {std::string("1\0", 2), std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseWholeNumber(c.text), c.number) << '"' << c.text << '"';
}

TEST_F(SavedState, FirstRunPutsEveryControlOnItsDefault) {
    auto form = Start();
    for (CheckBox* box : {&form->Check2, &form->Check3, &form->Check5, &form->Check16, &form->Check28, &form->Check70})
        EXPECT_EQ(box->Value(), 0) << box->Name();
    // The modifier default goes into a directive as it stands: a full stop, never the locale's comma.
    EXPECT_EQ(form->ZMO.Text(), "0.5");
    EXPECT_EQ(form->HMO.Text(), "0.5");
    for (ComboBox* list : {&form->Combo1, &form->Combo2, &form->Combo3, &form->Combo5, &form->Combo8, &form->Combo14,
                           &form->Combo16, &form->Combo19})
        EXPECT_EQ(list->ListIndex(), 0) << list->Name();
    EXPECT_EQ(form->Combo7.ListIndex(), 2);
    EXPECT_EQ(form->Combo7.Text(), "1024x768x32");
    EXPECT_EQ(form->TX1.Text(), "");
    // Not read back: they keep their design-time state.
    EXPECT_EQ(form->Check20.Value(), 0);
    EXPECT_EQ(form->Combo18.ListIndex(), -1);
}

TEST_F(SavedState, FirstRunGivesEverySlotItsDirective) {
    auto form = Start();
    const std::map<int, std::string> expected = {
        {2, "AUDIO=0"},
        {3, "VIDEO=0"},
        {4, "WINDOWED=0"},
        {6, "DISABLE_NIS=0"},
        {7, "OPTIONS/OFFSIDE=0"},
        {8, "OPTIONS/INJURIES=0"},
        {9, "OPTIONS/BOOKINGS=0"},
        {10, "GUI/SKIP_TITLE=0"},
        {11, "OPTIONS/TIMEDISPLAY=0"},
        {12, "OPTIONS/POSTFX_IN_GAMEPLAY=0"},
        {13, "OPTIONS/HOME_PLAYER_NAMEBAR=0"},
        {14, "OPTIONS/AWAY_PLAYER_NAMEBAR=0"},
        {15, "OPTIONS/DEPTH_OF_FIELD=0"},
        {16, "PERFECT_GOALIE=0"},
        {17, "NO_SECOND_YELLOW=0"},
        {18, "NO_IMMEDIATE_RED_CARDS=0"},
        {20, "OPTIONS/WIDESCREEN=0"},
        {21, "ALLOW_DEBUG_FREE_CAM=0"},
        {24, "NO_EXTRA_TIME=0"},
        {25, "NEVERENDING_GAME=0"},
        {27, "OPTIONS/FINGRASS=0"},
        {50, "HOME_TEAM=1001"},
        {51, "AWAY_TEAM=1001"},
        {52, "HOME_TEAM_KIT=0"},
        {53, "AWAY_TEAM_KIT=0"},
        {54, "STADIUM=4"},
        {55, "LIGHTING=0"},
        {56, "RESOLUTION=1024x768x32"},
        {58, "OPTIONS/CAMERA=0"},
        {59, "OPTIONS/DIFFICULTY_LEVEL=0"},
        {60, "OPTIONS/CAMERA_ZOOM=0"},
        {61, "OPTIONS/GAME_SPEED=0"},
        {62, "OPTIONS/CAMERA_HEIGHT=0"},
        {64, "OPTIONS/RADAR=0"},
        {65, "OPTIONS/SHADER_QUALITY=0"},
        {68, "OPTIONS/PLAYER_MARKER=0"},
        {70, "CAMERA_BIG_ZOOM_MODIFIER=0.15"},
        {71, "CAMERA_BIG_HEIGHT_MODIFIER=0.08"},
        {95, "OPTIONS/QUALITY=0"},
        {96, "SIDE_SELECT=-h"},
        {98, "HALF_SECONDS=3"},
    };
    for (int slot = 0; slot < SlotTable::kSize; ++slot) {
        auto it = expected.find(slot);
        EXPECT_EQ(form->slots.Read(slot), it == expected.end() ? "" : it->second) << "slot " << slot;
    }
}

TEST_F(SavedState, StoredValuesComeBackThroughTheirControls) {
    Store("c2", "1");
    Store("c10", "1");
    Store("c6", "2");
    Store("c70", "1");
    Store("c71", "0.7");
    Store("c72", "-1.25");
    Store("cb1", "299");
    Store("cb2", "+4");
    Store("cb5", "1");
    Store("cb7", "6");
    Store("cb9", "13");
    Store("cb16", "2");
    Store("YC", "DEBUG_SHOOTOUT=1 ÉQUIPE=3");
    auto form = Start();
    EXPECT_EQ(form->Check2.Value(), 1);
    EXPECT_EQ(form->Check10.Value(), 1);
    EXPECT_EQ(form->Check6.Value(), 2);
    EXPECT_EQ(form->Check70.Value(), 1);
    EXPECT_EQ(form->ZMO.Text(), "0.7");
    EXPECT_EQ(form->HMO.Text(), "-1.25");
    EXPECT_EQ(form->Combo1.Text(), "Team 300");
    EXPECT_EQ(form->Combo2.Text(), "Team 005");
    EXPECT_EQ(form->Combo5.Text(), "Brookfield Park");
    EXPECT_EQ(form->Combo7.Text(), "1600x1200x32");
    EXPECT_EQ(form->Combo9.Text(), "Action 2");
    EXPECT_EQ(form->Combo16.Text(), "High");
    EXPECT_EQ(form->TX1.Text(), "DEBUG_SHOOTOUT=1 ÉQUIPE=3");

    EXPECT_EQ(form->slots.Read(9), "OPTIONS/BOOKINGS=1");
    EXPECT_EQ(form->slots.Read(50), "HOME_TEAM=1300");
    EXPECT_EQ(form->slots.Read(51), "AWAY_TEAM=1005");
    EXPECT_EQ(form->slots.Read(54), "STADIUM=7");
    EXPECT_EQ(form->slots.Read(56), "RESOLUTION=1600x1200x32");
    EXPECT_EQ(form->slots.Read(58), "OPTIONS/CAMERA=13");
    EXPECT_TRUE(form->ZMO.Enabled());
}

// A text that is no whole number, or a value the control does not take, leaves the control in its
// design-time state: the keep box, checked at design time, shows it.
TEST_F(SavedState, UnusableValuesLeaveTheControlAsItWas) {
    struct Case {
        std::string key, value;
    };
    for (const Case& c : std::vector<Case>{
             {"c2", "yes"}, {"c2", ""}, {"c2", "3"}, {"c2", "-1"}, {"c2", " 0"}, {"c2", "0.0"}, {"c2", "4294967296"}}) {
        fake.settings.values.clear();
        Store(c.key, c.value);
        auto form = Start();
        EXPECT_EQ(form->Check2.Value(), 1) << c.key << "=\"" << c.value << '"';
    }
    for (const Case& c : std::vector<Case>{{"cb8", "High"}, {"cb8", "3"}, {"cb8", "-2"}, {"cb8", "1.5"}}) {
        fake.settings.values.clear();
        Store(c.key, c.value);
        auto form = Start();
        EXPECT_EQ(form->Combo8.ListIndex(), -1) << c.key << "=\"" << c.value << '"';
        EXPECT_EQ(form->Combo9.ListIndex(), 0) << "the next list is still restored";
    }
}

// The modifier boxes hold only what their keys let through; a stored text they could not hold (a
// blank would cut the directive in two) leaves the box on 0.5, and the next save sends that.
TEST_F(SavedState, ModifierTextTheBoxCouldNotHoldIsNotTaken) {
    struct Case {
        std::string stored;
        std::string shown;
    };
    const std::vector<Case> cases = {
        {"0.75", "0.75"},  {"-1.5", "-1.5"}, {"1..2-", "1..2-"}, {"", ""},  // what the keys can type
        {"0 5", "0.5"},    {"0,5", "0.5"},   {"abc", "0.5"},     {"1e3", "0.5"}, {"0.5 DEBUG_SHOOTOUT=1", "0.5"},
        {"1\r\n2", "0.5"}, {"\b", "0.5"},
    };
    for (const Case& c : cases) {
        fake.settings.values.clear();
        Store("c70", "1");
        Store("c71", c.stored);
        Store("c72", c.stored);
        auto form = Start();
        EXPECT_EQ(form->ZMO.Text(), c.shown) << '"' << c.stored << '"';
        EXPECT_EQ(form->HMO.Text(), c.shown) << '"' << c.stored << '"';
        form->Check70.Click();
        EXPECT_EQ(form->slots.Read(70), "CAMERA_BIG_ZOOM_MODIFIER=" + c.shown) << '"' << c.stored << '"';
    }
}

TEST_F(SavedState, NonNumericCheckBoxValueStillGetsItsDirective) {
    Store("c5", "on");
    auto form = Start();
    EXPECT_EQ(form->Check5.Value(), 0);
    EXPECT_EQ(form->slots.Read(4), "WINDOWED=0");
}

TEST_F(SavedState, IndexBeyondTheTeamListLeavesNoSelectionAndNoDirective) {
    Store("cb1", "400");
    auto form = Start();
    EXPECT_EQ(form->Combo1.ListIndex(), -1);
    EXPECT_EQ(form->slots.Read(50), "");
    EXPECT_EQ(form->Combo2.ListIndex(), 0);
}

TEST_F(SavedState, ResolutionStoredWithoutSelectionStaysWithout) {
    Store("cb7", "-1");
    auto form = Start();
    EXPECT_EQ(form->Combo7.ListIndex(), -1);
    EXPECT_EQ(form->slots.Read(56), "");
}

TEST_F(SavedState, ShaderBelowHighClearsAndDisablesTheStoredDepthOfField) {
    Store("c16", "1");
    Store("cb16", "0");
    auto form = Start();
    EXPECT_EQ(form->Check16.Value(), 0);
    EXPECT_FALSE(form->Check16.Enabled());
    EXPECT_EQ(form->slots.Read(15), "OPTIONS/DEPTH_OF_FIELD=0");
}

TEST_F(SavedState, LanguageChoiceIsStoredButNeverReadBack) {
    Store("c20", "1");
    Store("cb18", "4");
    auto form = Start();
    EXPECT_EQ(form->Check20.Value(), 0);
    EXPECT_EQ(form->Combo18.ListIndex(), -1);
    form->Check20.SetValue(1);
    form->Combo18.SetListIndex(7);
    form->Unload();
    EXPECT_EQ(Stored("c20"), "1");
    EXPECT_EQ(Stored("cb18"), "7");
}

// The start-up order, seen from the Click handlers: the check boxes, Check70 and its extra run
// (before the modifier texts arrive), the forced runs of the option check boxes, then the lists.
TEST_F(SavedState, HandlersRunInTheOrderOfTheStartUp) {
    Store("c3", "1");
    Store("c70", "1");
    Store("c71", "0.9");
    Store("cb8", "2");
    Store("cb16", "2");  // "High" leaves the depth-of-field box alone, so no Click nests in the list's
    Form1 form(fake.os);
    WireHandlers(form);
    std::vector<std::string> clicks;
    std::vector<std::string> zoomTextAtCheck70;
    auto record = [&](auto& control) {
        auto old = control.onClick;
        control.onClick = [&clicks, &control, old] {
            clicks.push_back(control.Name());
            if (old)
                old();
        };
    };
    for (CheckBox* box : {&form.Check2,  &form.Check3,  &form.Check4,  &form.Check5,  &form.Check6,  &form.Check7,
                          &form.Check8,  &form.Check9,  &form.Check10, &form.Check11, &form.Check12, &form.Check13,
                          &form.Check14, &form.Check15, &form.Check16, &form.Check17, &form.Check18, &form.Check19,
                          &form.Check20, &form.Check21, &form.Check22, &form.Check25, &form.Check26, &form.Check28})
        record(*box);
    record(form.Check70);
    auto check70 = form.Check70.onClick;
    form.Check70.onClick = [&, check70] {
        zoomTextAtCheck70.push_back(form.ZMO.Text());
        check70();
    };
    for (ComboBox* list : {&form.Combo1, &form.Combo2, &form.Combo3, &form.Combo4, &form.Combo5, &form.Combo6,
                           &form.Combo7, &form.Combo8, &form.Combo9, &form.Combo10, &form.Combo11, &form.Combo12,
                           &form.Combo13, &form.Combo14, &form.Combo15, &form.Combo16, &form.Combo18, &form.Combo19})
        record(*list);

    form.Load();

    const std::vector<std::string> expected = {
        // step 1: only the values that change raise Click (Check2 from checked to clear, Check3 set)
        "Check2", "Check3",
        // step 2: the changed value, then the run whatever the value
        "Check70", "Check70",
        // step 4: every option check box once, Check20 and the keep box left out
        "Check3", "Check4", "Check5", "Check6", "Check7", "Check8", "Check9", "Check10", "Check11", "Check12",
        "Check13", "Check14", "Check15", "Check16", "Check17", "Check18", "Check19", "Check21", "Check22", "Check25",
        "Check26", "Check28",
        // step 5: the lists in their order, Combo18 left out
        "Combo1", "Combo2", "Combo3", "Combo4", "Combo5", "Combo6", "Combo7", "Combo8", "Combo9", "Combo10", "Combo11",
        "Combo12", "Combo13", "Combo14", "Combo15", "Combo16", "Combo19"};
    EXPECT_EQ(clicks, expected);
    EXPECT_EQ(zoomTextAtCheck70, (std::vector<std::string>{"0.5", "0.5"}));
    EXPECT_EQ(form.ZMO.Text(), "0.9");
}

TEST_F(SavedState, StoreWritesEveryKeyInOrderInItsValueForm) {
    auto form = Start();
    form->Check2.SetValue(1);
    form->Check6.SetValue(2);
    form->Combo7.SetText("1920x1080x32");
    form->ZMO.SetText("0,3");
    form->TX1.SetText("  DEBUG_SHOOTOUT=1  Ünïcode ");
    form->Unload();
    const std::vector<std::string> order = {
        "c2",   "c3",   "c4",   "c5",   "c6",   "c7",   "c8",   "c9",   "c10",  "c11", "c12", "c13",
        "c14",  "c15",  "c16",  "c17",  "c18",  "c19",  "c20",  "c21",  "c22",  "c25", "c26", "c28",
        "c70",  "c71",  "c72",  "cb1",  "cb2",  "cb3",  "cb4",  "cb5",  "cb6",  "cb7", "cb8", "cb9",
        "cb10", "cb11", "cb12", "cb13", "cb14", "cb15", "cb16", "cb18", "cb19", "YC"};
    EXPECT_EQ(fake.settings.savedKeys, order);
    EXPECT_EQ(Stored("c2"), "1");
    EXPECT_EQ(Stored("c3"), "0");
    EXPECT_EQ(Stored("c6"), "2");
    EXPECT_EQ(Stored("cb7"), "-1");
    EXPECT_EQ(Stored("cb18"), "-1");
    EXPECT_EQ(Stored("cb8"), "0");
    EXPECT_EQ(Stored("c71"), "0,3");
    EXPECT_EQ(Stored("c72"), "0.5");
    EXPECT_EQ(Stored("YC"), "  DEBUG_SHOOTOUT=1  Ünïcode ");
}

TEST_F(SavedState, StoreThenRestoreGivesBackTheSameControlsAndSlots) {
    auto first = Start();
    first->Check2.SetValue(1);
    first->Check3.SetValue(1);
    first->Check9.SetValue(1);
    first->Check28.SetValue(1);
    first->Combo16.SetListIndex(2);
    first->Check16.SetValue(1);
    first->Check70.SetValue(1);
    first->ZMO.SetText("0.35");
    first->HMO.SetText("1.5");
    first->Combo1.SetListIndex(17);
    first->Combo2.SetListIndex(250);
    first->Combo5.SetListIndex(1);
    first->Combo3.SetListIndex(2);
    first->Combo7.SetListIndex(4);
    first->Combo14.SetListIndex(7);
    first->TX1.SetText("DEBUG_SHOOTOUT=1");
    // The save command brings the modifier slots up to date before anything reads them.
    first->Check70.Click();
    first->Unload();

    auto second = Start();
    auto state = [](Form1& f) {
        std::vector<std::string> s;
        for (CheckBox* b :
             {&f.Check2,  &f.Check3,  &f.Check4,  &f.Check5,  &f.Check6,  &f.Check7,  &f.Check8,  &f.Check9,
              &f.Check10, &f.Check11, &f.Check12, &f.Check13, &f.Check14, &f.Check15, &f.Check16, &f.Check17,
              &f.Check18, &f.Check19, &f.Check21, &f.Check22, &f.Check25, &f.Check26, &f.Check28, &f.Check70})
            s.push_back(b->Name() + "=" + std::to_string(b->Value()) + (b->Enabled() ? "" : " disabled"));
        for (ComboBox* c :
             {&f.Combo1, &f.Combo2, &f.Combo3, &f.Combo4, &f.Combo5, &f.Combo6, &f.Combo7, &f.Combo8, &f.Combo9,
              &f.Combo10, &f.Combo11, &f.Combo12, &f.Combo13, &f.Combo14, &f.Combo15, &f.Combo16, &f.Combo19})
            s.push_back(c->Name() + "=" + std::to_string(c->ListIndex()) + " " + c->Text());
        for (TextBox* t : {&f.ZMO, &f.HMO, &f.TX1})
            s.push_back(t->Name() + "=" + t->Text() + (t->Enabled() ? "" : " disabled"));
        return s;
    };
    EXPECT_EQ(state(*second), state(*first));

    second->Check70.Click();
    for (int slot = 0; slot < SlotTable::kSize; ++slot)
        EXPECT_EQ(second->slots.Read(slot), first->slots.Read(slot)) << "slot " << slot;
}

// An unreadable store answers as an empty one: the controls take their defaults, as on a first
// run, and at exit every value is still offered to the store.
TEST_F(SavedState, UnreadableStoreGivesTheDefaultsAndRaisesNothing) {
    fake.settings.failing = true;
    Store("c3", "1");
    auto form = Start();
    EXPECT_EQ(form->Check2.Value(), 0);
    EXPECT_EQ(form->Check3.Value(), 0);
    EXPECT_EQ(form->Combo7.ListIndex(), 2);
    EXPECT_EQ(form->ZMO.Text(), "0.5");
    EXPECT_EQ(form->TX1.Text(), "");
    EXPECT_NO_THROW(form->Unload());
    EXPECT_EQ(Stored("c3"), "1");
}

// A store that throws for one key still gets every other key.
TEST_F(SavedState, OneFailingValueDoesNotStopTheOthers) {
    struct ThrowingOnce : MemorySettingsStore {
        std::optional<std::string> Get(const std::string& a, const std::string& s, const std::string& k) override {
            if (k == "c3" || k == "cb1")
                throw std::runtime_error("unreadable");
            return MemorySettingsStore::Get(a, s, k);
        }
        bool Save(const std::string& a, const std::string& s, const std::string& k, const std::string& v) override {
            if (k == "c3")
                throw std::runtime_error("unwritable");
            return MemorySettingsStore::Save(a, s, k, v);
        }
    } store;
    store.values[Key("c4")] = "1";
    store.values[Key("cb2")] = "3";
    Os os{fake.files,     fake.host, store,         fake.profile, fake.shell,
          fake.processes, fake.keys, fake.pictures, fake.window};
    Form1 form(os);
    WireHandlers(form);
    form.Load();
    EXPECT_EQ(form.Check4.Value(), 1);
    EXPECT_EQ(form.Combo1.ListIndex(), -1);
    EXPECT_EQ(form.Combo2.ListIndex(), 3);
    form.Unload();
    EXPECT_EQ(store.savedKeys.size(), 45u);
    EXPECT_EQ(store.savedKeys.front(), "c2");
    EXPECT_EQ(store.savedKeys[1], "c4");
}

// ---- the exit sequence ----

TEST_F(SavedState, ExitDeletesUserIniUnlessKept) {
    struct Case {
        int keep;
        bool remains;
    };
    for (const Case& c : std::vector<Case>{{0, false}, {1, true}, {2, true}}) {
        auto form = Start();
        fake.files.Put(kRoot + "user.ini", "[OPTIONS]\r\nBOOKINGS=1\r\n");
        form->Check2.SetValue(c.keep);
        form->Unload();
        EXPECT_EQ(fake.files.Has(kRoot + "user.ini"), c.remains) << "keep box " << c.keep;
        if (c.remains) {
            EXPECT_EQ(fake.files.Contents(kRoot + "user.ini"), "[OPTIONS]\r\nBOOKINGS=1\r\n");
        }
    }
}

TEST_F(SavedState, ExitWithoutUserIniStillStoresTheState) {
    auto form = Start();
    form->Check10.SetValue(1);
    form->Unload();
    EXPECT_EQ(Stored("c10"), "1");
    EXPECT_EQ(fake.settings.savedKeys.size(), 46u);
    EXPECT_EQ(fake.host.messages.size(), 0u);
}

// Without a game root nothing names the game's folder, so nothing is deleted.
TEST_F(SavedState, ExitWithoutAGameRootDeletesNothing) {
    Form1 form(fake.os);
    WireHandlers(form);
    fake.files.Put("Label2user.ini", "not the game's");
    form.Unload();
    EXPECT_TRUE(fake.files.Has("Label2user.ini"));
    EXPECT_TRUE(fake.files.deletions.empty());
}

}  // namespace
}  // namespace pp
