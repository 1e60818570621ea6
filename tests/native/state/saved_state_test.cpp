#include <gtest/gtest.h>
#include <algorithm>
#include <map>

#include "config/catalogue.h"
#include "state/saved_state.h"
#include "tests/native/support/game_folder.h"

namespace pp {
namespace {
using SavedState = GameFolder;

TEST(ParseWholeNumber, TakesOnlyASignAndDigitsWithinInt) {
    const std::vector<std::pair<std::string, int>> numbers = {
        {"0", 0}, {"-1", -1}, {"+2", 2}, {"007", 7}, {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1}};
    for (const auto& [text, number] : numbers)
        EXPECT_EQ(ParseWholeNumber(text), number) << text;
    for (const std::string text : {"2147483648", "", "-", "+-1", " 1", "1 ", "1.0", "0x10", "１", "1e2"})
        EXPECT_EQ(ParseWholeNumber(text), std::nullopt) << text;
}

// The language choice alone is stored but never read.
TEST_F(SavedState, EveryStoredKeyIsRestoredAndStoredAgain) {
    fake.files.Put(kGameRoot + "KWTR\\stads.ini", "North Bank,10\r\nAcre Park\r\nMoor,3\r\n");
    auto firstRun = Start();
    EXPECT_EQ(firstRun->ZMO.Text(), "0.5");  // a full stop, never the locale's comma: it goes into a directive
    firstRun->Unload();
    const Items keys = fake.settings.savedKeys;
    ASSERT_EQ(keys, SplitAt("c2 c3 c4 c5 c6 c7 c8 c9 c10 c11 c12 c13 c14 c15 c16 c17 c18 c19 c20 c21 c22 c25 c26 c28 "
                            "c70 c71 c72 cb1 cb2 cb3 cb4 cb5 cb6 cb7 cb8 cb9 cb10 cb11 cb12 cb13 cb14 cb15 cb16 cb18 "
                            "cb19 YC",
                            " "));  // what the players' registries hold from earlier runs, in the order stored
    std::map<std::string, std::string> given;
    for (const std::string& key : keys) {
        given[key] = key == "YC"                    ? " DEBUG_SHOOTOUT=1  ÉQUIPE=3"
                     : key == "c71" || key == "c72" ? "-0.25"
                     : key.starts_with("cb")        ? "2"
                                                    : "1";
        Store(key, given[key]);
    }
    fake.settings.savedKeys.clear();
    Start()->Unload();
    EXPECT_EQ(fake.settings.savedKeys, keys);
    for (const std::string& key : keys)
        EXPECT_EQ(fake.settings.values.at(StoreKey(key)) == given[key], key != "c20" && key != "cb18") << key;
}

// The design-time state (keep box checked), the next key still read; modifiers take what their keys pass.
TEST_F(SavedState, UnusableValuesLeaveTheControlAsItWas) {
    for (const std::string value : {"yes", "", "3", " 0", "0.0", "4294967296", "cb8=High", "-1.5", "1..2-", "0,5",
                                    "1e3", "0.5 DEBUG_SHOOTOUT=1"}) {
        for (const char* key : {"c2", "cb8", "c71", "c72"})
            Store(key, value);
        Store("c70", "1");
        auto run = Start();
        EXPECT_EQ(run->Check2.Value(), 1) << value;
        EXPECT_EQ(run->Combo8.ListIndex(), -1) << value;
        EXPECT_EQ(run->Combo9.ListIndex(), 0) << value;
        const std::string typable = std::all_of(value.begin(), value.end(), ModifierKeyPasses) ? value : "0.5";
        EXPECT_EQ(run->ZMO.Text() + "|" + run->HMO.Text(), typable + "|" + typable) << value;
    }
}

// No first run; a key that fails leaves the others; an index beyond its list or -1 writes no directive.
TEST_F(SavedState, UnreadableStoreLeavesTheDesignTimeStateAndStopsNothing) {
    for (const auto& [key, value] : {std::pair{"c3", "1"}, {"c4", "1"}, {"cb1", "400"}, {"cb7", "-1"}, {"cb8", "2"}})
        Store(key, value);
    fake.settings.failing = true;
    auto unreadable = Start();
    EXPECT_EQ(unreadable->Check2.Value() * 10 + unreadable->Check3.Value(), 10);
    fake.files.Put(kGameRoot + "user.ini", "K=1\r\n");
    EXPECT_NO_THROW(unreadable->Unload());
    EXPECT_EQ(UserIni(), "K=1\r\n");
    fake.settings.failing = false;
    fake.settings.throwingKeys = {"c3", "cb2"};
    auto run = Start();
    EXPECT_EQ(run->Check4.Value(), 1);
    EXPECT_EQ(run->Combo8.ListIndex(), 2);
    EXPECT_TRUE(run->Combo1.ListIndex() == -1 && run->Combo7.ListIndex() == -1);
    EXPECT_EQ(run->slots.Read(50) + run->slots.Read(56), "");
    run->Unload();
    EXPECT_EQ(fake.settings.savedKeys.size(), 44u);
    EXPECT_EQ(fake.settings.savedKeys.front() + fake.settings.savedKeys[1], "c2c4");
}
}  // namespace
}  // namespace pp
