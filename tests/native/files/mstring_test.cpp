#include <gtest/gtest.h>

#include "files/mstring.h"
#include "tests/native/support/fakes.h"

namespace pp {
namespace {
// Sorted: ignoring case, accents beside their base letter, equal texts in order added.
TEST(LineList, EveryWayOfAddingGivesTheOrderOfAddingOneByOne) {
    const Items texts = {"zeta", "Alpha",    "alpha",    "Émeraude", "emerald", "Eagle",        "égal",
                         "",     "\xCF\x80", "\xCE\xBF", "10",       "b",       "\xE0\xA1\x80", "\xE0\xA0\x80"};
    for (bool sorted : {true, false}) {
        LineList oneByOne(sorted), bulk(sorted), copied(sorted), unsortedSource(false);
        for (LineList* list : {&oneByOne, &bulk, &copied})
            list->Add("Alpha");
        for (const auto& t : texts)
            oneByOne.Add(t);
        bulk.AddMany(texts);
        unsortedSource.AddMany(texts);
        const uint64_t before = copied.Revision();
        copied.CopyItemsOf(unsortedSource);
        EXPECT_EQ(bulk.Items(), oneByOne.Items()) << sorted;
        EXPECT_EQ(copied.Items(), oneByOne.Items()) << sorted;
        EXPECT_GT(copied.Revision(), before);
    }
    LineList sorted(true);
    sorted.AddMany(texts);
    EXPECT_EQ(sorted.Items(), (Items{"", "10", "Alpha", "alpha", "b", "Eagle", "égal", "emerald", "Émeraude", "zeta",
                                     "\xCE\xBF", "\xCF\x80", "\xE0\xA0\x80", "\xE0\xA1\x80"}));
}

TEST(LineList, IndexesOutsideTheListGiveTheEmptyTextAndAreNotSelected) {
    LineList list(true);
    list.AddMany({"b", "d"});
    EXPECT_EQ(list.Item(-1) + list.Item(2) + list.SelectedText(), "");
    EXPECT_TRUE(list.SetSelectedIndex(1));
    EXPECT_FALSE(list.SetSelectedIndex(2) || list.SetSelectedIndex(-2));
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
    const std::vector<std::tuple<std::string, bool, int, int>> cases = {
        {"Alp", false, -1, 0},      // a prefix without comma matches the longer name
        {"Gamma,", false, -1, -1},  // no match
        {"BETA", true, -1, 4},      // exact ignores case
        {"alpha,", false, 0, 1},    // start k examines k+1 first, wrapping round past the end
        {"Beta,", false, 3, 3},     // and finds k only when nothing else matches
        {"école,", false, -1, 6}    // accents ignore case but are not their base letter
    };
    for (const auto& [text, exact, start, found] : cases)
        EXPECT_EQ(FindInList(list, text, exact, start), found) << text << start;
    EXPECT_EQ(FindInList(LineList(), "", false, -1), -1);
}

// Non-empty lines cut only at CR LF, after what the list holds; a missing file throws and adds nothing.
TEST(LoadLinesIntoList, AppendsEveryNonEmptyLineOfAnyBytes) {
    const std::string megabyte(1 << 20, 'N');
    const std::vector<std::pair<std::string, Items>> cases = {
        {"", {}},
        {"Alpha,1\r\n\r\nBeta,2\r\n   \r\n", {"Alpha,1", "Beta,2", "   "}},
        {"Zulu,1\rAlpha,2\nB\r", {"Zulu,1\rAlpha,2\nB\r"}},
        {"a\r\r\nb\n\r\nc", {"a\r", "b\n", "c"}},
        {std::string("\0\x01\xFF,\x02\r\n\x80,\0", 10), {std::string("\0\x01\xFF,\x02", 5), std::string("\x80,\0", 3)}},
        {megabyte + ",7", {megabyte + ",7"}}};
    MemoryFileSystem fs;
    for (const auto& [bytes, lines] : cases) {
        fs.Put("C:\\g\\teams.ini", bytes);
        LineList list;
        list.Add("first");
        LoadLinesIntoList(list, fs, "C:\\g\\teams.ini");
        Items expected = {"first"};
        expected.insert(expected.end(), lines.begin(), lines.end());
        EXPECT_EQ(list.Items(), expected) << testing::PrintToString(bytes.substr(0, 40));
    }
    LineList list;
    EXPECT_THROW(LoadLinesIntoList(list, fs, "C:\\g\\missing.ini"), FileError);
    EXPECT_EQ(list.Count(), 0);
}
}  // namespace
}  // namespace pp
