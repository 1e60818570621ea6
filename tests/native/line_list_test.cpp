#include <gtest/gtest.h>

#include "files/mstring.h"
#include "tests/native/support/fakes.h"

namespace pp {
namespace {

std::vector<std::string> ItemsOf(const LineList& list) {
    return list.Items();
}

TEST(LineList, SortedListInsertsIgnoringCaseUnsortedAppends) {
    LineList sorted(true), unsorted(false);
    for (const char* t : {"b", "A", "c"}) {
        sorted.Add(t);
        unsorted.Add(t);
    }
    EXPECT_EQ(ItemsOf(sorted), (std::vector<std::string>{"A", "b", "c"}));
    EXPECT_EQ(ItemsOf(unsorted), (std::vector<std::string>{"b", "A", "c"}));
}

TEST(LineList, BulkAddGivesTheOrderOfAddingOneByOne) {
    const std::vector<std::string> texts = {"zeta", "Alpha", "alpha", "Émeraude", "emerald", "beta", "Alpha", "", "10"};
    LineList oneByOne(true), bulk(true);
    oneByOne.Add("Alpha");
    bulk.Add("Alpha");
    for (const auto& t : texts)
        oneByOne.Add(t);
    bulk.AddMany(texts);
    EXPECT_EQ(bulk.Items(), oneByOne.Items());
    EXPECT_EQ(bulk.Count(), 10);
}

// Copying takes the other list's order only where it is this list's order too.
TEST(LineList, CopyOfAnotherListMatchesAddingItsItems) {
    const std::vector<std::string> texts = {"b", "Élan", "a", "B", "eagle"};
    LineList sortedSource(true), unsortedSource(false);
    sortedSource.AddMany(texts);
    unsortedSource.AddMany(texts);
    struct Case {
        bool targetSorted;
        std::vector<std::string> already;
        const LineList* source;
    };
    const std::vector<Case> cases = {
        {true, {}, &sortedSource},     {true, {"c", "A"}, &sortedSource}, {true, {}, &unsortedSource},
        {false, {"z"}, &sortedSource}, {false, {}, &unsortedSource},
    };
    for (const Case& c : cases) {
        LineList copied(c.targetSorted), added(c.targetSorted);
        copied.AddMany(c.already);
        added.AddMany(c.already);
        const uint64_t before = copied.Revision();
        copied.CopyItemsOf(*c.source);
        added.AddMany(c.source->Items());
        EXPECT_EQ(copied.Items(), added.Items());
        EXPECT_GT(copied.Revision(), before);
    }
}

TEST(LineList, AccentedNamesSortBesideTheirBaseLetter) {
    LineList list(true);
    list.AddMany({"Fjord", "Élan", "Dune", "Eagle", "égal"});
    EXPECT_EQ(ItemsOf(list), (std::vector<std::string>{"Dune", "Eagle", "égal", "Élan", "Fjord"}));
}

TEST(LineList, ItemOutsideTheListIsTheEmptyText) {
    LineList list;
    list.Add("one");
    EXPECT_EQ(list.Item(-1), "");
    EXPECT_EQ(list.Item(1), "");
    EXPECT_EQ(list.Item(0), "one");
    EXPECT_EQ(list.SelectedText(), "");
}

TEST(LineList, SelectionRefusesIndexesOutsideTheList) {
    LineList list;
    list.AddMany({"a", "b"});
    EXPECT_TRUE(list.SetSelectedIndex(1));
    EXPECT_FALSE(list.SetSelectedIndex(2));
    EXPECT_FALSE(list.SetSelectedIndex(-2));
    EXPECT_EQ(list.SelectedIndex(), 1);
    EXPECT_EQ(list.SelectedText(), "b");
    list.Clear();
    EXPECT_EQ(list.SelectedIndex(), -1);
}

TEST(LineList, SelectionFollowsItsItemWhenASortedInsertGoesBeforeIt) {
    LineList list(true);
    list.AddMany({"b", "d"});
    list.SetSelectedIndex(1);
    list.Add("a");
    EXPECT_EQ(list.SelectedText(), "d");
}

struct SplitCase {
    std::string text;
    std::vector<std::string> pieces;
};

TEST(SplitAtCrLf, CutsOnlyAtTheCrLfPair) {
    const std::vector<SplitCase> cases = {
        {"", {""}},
        {"a", {"a"}},
        {"a\r\nb", {"a", "b"}},
        {"a\r\nb\r\n", {"a", "b", ""}},
        {"a\nb\nc", {"a\nb\nc"}},
        {"a\rb\r\nc", {"a\rb", "c"}},
        {"\r\n\r\n", {"", "", ""}},
        {"a\r\r\nb", {"a\r", "b"}},
        {"a\n\r\nb", {"a\n", "b"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplitAtCrLf(c.text), c.pieces) << testing::PrintToString(c.text);
}

class LoadLines : public testing::Test {
  protected:
    MemoryFileSystem fs;
    LineList list;
};

TEST_F(LoadLines, SkipsEmptyLinesAndTheEndOfTheLastLine) {
    fs.Put("C:\\g\\teams.ini", "Alpha,1\r\n\r\nBeta,2\r\n   \r\n");
    LoadLinesIntoList(list, fs, "C:\\g\\teams.ini");
    EXPECT_EQ(ItemsOf(list), (std::vector<std::string>{"Alpha,1", "Beta,2", "   "}));
}

TEST_F(LoadLines, LfOnlyFileIsOneItem) {
    fs.Put("C:\\g\\teams.ini", "Alpha,1\nBeta,2\n");
    LoadLinesIntoList(list, fs, "C:\\g\\teams.ini");
    EXPECT_EQ(ItemsOf(list), (std::vector<std::string>{"Alpha,1\nBeta,2\n"}));
}

TEST_F(LoadLines, EmptyFileAddsNothing) {
    fs.Put("C:\\g\\teams.ini", "");
    LoadLinesIntoList(list, fs, "C:\\g\\teams.ini");
    EXPECT_EQ(list.Count(), 0);
}

TEST_F(LoadLines, AppendsAfterWhatTheListHolds) {
    list.Add("first");
    fs.Put("C:\\g\\x", "second\r\nthird");
    LoadLinesIntoList(list, fs, "C:\\g\\x");
    EXPECT_EQ(ItemsOf(list), (std::vector<std::string>{"first", "second", "third"}));
}

TEST_F(LoadLines, MissingFileThrowsFileNotFoundAndAddsNothing) {
    list.Add("kept");
    try {
        LoadLinesIntoList(list, fs, "C:\\g\\missing.ini");
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_EQ(e.Number(), MemoryFileSystem::kFileNotFound);
    }
    EXPECT_EQ(ItemsOf(list), (std::vector<std::string>{"kept"}));
}

LineList Unsorted(std::initializer_list<const char*> items) {
    LineList list;
    for (const char* i : items)
        list.Add(i);
    return list;
}

struct FindCase {
    const char* what;
    std::string text;
    bool exact;
    int start;
    int expected;
};

TEST(FindInList, ExactAndPrefixIgnoringCaseInWrapAroundOrder) {
    const LineList list = Unsorted({"Alpha,1", "alpha,2", "Alp,3", "Beta,4", "beta"});
    const std::vector<FindCase> cases = {
        {"name with comma finds the record differing only in case", "ALPHA,", false, -1, 0},
        {"the earlier of two records differing in case wins", "alpha,", false, -1, 0},
        {"a shorter name does not match a longer one", "Alp,", false, -1, 2},
        {"a prefix without comma matches the longer name", "Alp", false, -1, 0},
        {"no match", "Gamma,", false, -1, -1},
        {"exact ignores case", "BETA", true, -1, 4},
        {"exact is not a prefix match", "Beta", true, 4, 4},
        {"start k examines k+1 first", "alpha,", false, 0, 1},
        {"start at the last index searches from 0", "alpha,", false, 4, 0},
        {"start k finds k only when nothing else matches", "Beta,", false, 3, 3},
        {"wraps round past the end", "Alpha,", false, 2, 0},
        {"a start beyond the list searches from 0", "alpha,", false, 9, 0},
        {"a start below -1 searches from 0", "alpha,", false, -5, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FindInList(list, c.text, c.exact, c.start), c.expected) << c.what;
}

TEST(FindInList, EmptyListFindsNothing) {
    EXPECT_EQ(FindInList(LineList(), "", false, -1), -1);
    EXPECT_EQ(FindInList(LineList(), "a", true, 0), -1);
}

TEST(FindInList, AccentedLettersIgnoreCaseButNotAccent) {
    const LineList list = Unsorted({"Ecole,1", "ÉCOLE,2"});
    EXPECT_EQ(FindInList(list, "école,", false, -1), 1);
    EXPECT_EQ(FindInList(list, "ecole,", false, -1), 0);
}

TEST(SplitRecord, NameAndIdFields) {
    struct Case {
        std::string line, name;
        bool hasId;
        std::string id;
    };
    const std::vector<Case> cases = {
        {"Alpha,5", "Alpha", true, "5"}, {"Alpha,5,xyz", "Alpha", true, "5"},
        {"Alpha", "Alpha", false, ""},   {"Alpha,", "Alpha", true, ""},
        {",7", "", true, "7"},           {"Real Tallow FC,12 3", "Real Tallow FC", true, "12 3"},
    };
    for (const auto& c : cases) {
        ListRecord r = SplitRecord(c.line);
        EXPECT_EQ(r.name, c.name) << c.line;
        EXPECT_EQ(r.hasId, c.hasId) << c.line;
        EXPECT_EQ(r.id, c.id) << c.line;
        EXPECT_EQ(RecordName(c.line), c.name) << c.line;
    }
}

}  // namespace
}  // namespace pp
