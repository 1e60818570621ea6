#include <gtest/gtest.h>

#include "files/mstring.h"

namespace pp {
namespace {

using Items = std::vector<std::string>;

// Adding one by one, adding in bulk and copying another list all give the same order: a sorted
// list sorts ignoring case, accents beside their base letter, equal texts in the order added.
TEST(LineList, EveryWayOfAddingGivesTheOrderOfAddingOneByOne) {
    const Items texts = {"zeta", "Alpha", "alpha", "Émeraude", "emerald",      "Eagle",
                         "égal", "",      "10",    "b",        "\xE0\xA1\x80", "\xE0\xA0\x80"};
    for (bool sorted : {true, false}) {
        LineList oneByOne(sorted), bulk(sorted);
        oneByOne.Add("Alpha");
        bulk.Add("Alpha");
        for (const auto& t : texts)
            oneByOne.Add(t);
        bulk.AddMany(texts);
        EXPECT_EQ(bulk.Items(), oneByOne.Items());
        for (bool sourceSorted : {true, false}) {
            LineList source(sourceSorted);
            source.AddMany(texts);
            for (bool empty : {true, false}) {
                LineList copied(sorted), added(sorted);
                if (!empty) {
                    copied.Add("Alpha");
                    added.Add("Alpha");
                }
                const uint64_t before = copied.Revision();
                copied.CopyItemsOf(source);
                added.AddMany(source.Items());
                EXPECT_EQ(copied.Items(), added.Items()) << sorted << sourceSorted << empty;
                EXPECT_GT(copied.Revision(), before);
            }
        }
    }
    LineList sorted(true);
    sorted.AddMany(texts);
    EXPECT_EQ(sorted.Items(), (Items{"", "10", "Alpha", "alpha", "b", "Eagle", "égal", "emerald", "Émeraude", "zeta",
                                     "\xE0\xA0\x80", "\xE0\xA1\x80"}));
}

TEST(LineList, IndexesOutsideTheListGiveTheEmptyTextAndAreNotSelected) {
    LineList list(true);
    list.AddMany({"b", "d"});
    EXPECT_EQ(list.Item(-1), "");
    EXPECT_EQ(list.Item(2), "");
    EXPECT_EQ(list.SelectedText(), "");
    EXPECT_TRUE(list.SetSelectedIndex(1));
    EXPECT_FALSE(list.SetSelectedIndex(2));
    EXPECT_FALSE(list.SetSelectedIndex(-2));
    list.Add("a");  // goes before the selection, which follows its item
    EXPECT_EQ(list.SelectedText(), "d");
    list.SetSelectedIndex(0);
    list.AddMany({"0", "1"});
    EXPECT_EQ(list.SelectedText(), "a");
    list.Clear();
    EXPECT_EQ(list.SelectedIndex(), -1);
}

TEST(FindInList, ExactAndPrefixIgnoringCaseInWrapAroundOrder) {
    LineList list;
    list.AddMany({"Alpha,1", "alpha,2", "Alp,3", "Beta,4", "beta", "Ecole,5", "ÉCOLE,6"});
    struct Case {
        const char* what;
        std::string text;
        bool exact;
        int start, found;
    };
    const std::vector<Case> cases = {
        {"the earlier of two records differing in case wins", "ALPHA,", false, -1, 0},
        {"a shorter name does not match a longer one", "Alp,", false, -1, 2},
        {"a prefix without comma matches the longer name", "Alp", false, -1, 0},
        {"no match", "Gamma,", false, -1, -1},
        {"exact ignores case", "BETA", true, -1, 4},
        {"start k examines k+1 first", "alpha,", false, 0, 1},
        {"start k finds k only when nothing else matches", "Beta,", false, 3, 3},
        {"wraps round past the end", "Alpha,", false, 2, 0},
        {"a start beyond the list searches from 0", "alpha,", false, 9, 0},
        {"a start below -1 searches from 0", "alpha,", false, -5, 0},
        {"accents ignore case", "école,", false, -1, 6},
        {"but are not their base letter", "ecole,", false, -1, 5},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FindInList(list, c.text, c.exact, c.start), c.found) << c.what;
    EXPECT_EQ(FindInList(LineList(), "", false, -1), -1);
}

}  // namespace
}  // namespace pp
