#include <gtest/gtest.h>

#include "files/mstring.h"
#include "tests/native/support/fakes.h"

namespace pp {
namespace {

using Items = std::vector<std::string>;

TEST(SplitAtCrLf, CutsOnlyAtTheCrLfPair) {
    const std::vector<std::pair<std::string, Items>> cases = {
        {"", {""}},
        {"a\r\nb\r\n", {"a", "b", ""}},
        {"a\nb\nc", {"a\nb\nc"}},
        {"a\rb\r\nc", {"a\rb", "c"}},
        {"\r\n\r\n", {"", "", ""}},
        {"a\r\r\nb", {"a\r", "b"}},
        {"a\n\r\nb", {"a\n", "b"}},
    };
    for (const auto& [text, pieces] : cases)
        EXPECT_EQ(SplitAtCrLf(text), pieces) << testing::PrintToString(text);
}

// A list file of any bytes loads as far as it goes: its non-empty CR LF lines, after what the
// list holds already.
TEST(LoadLinesIntoList, AppendsEveryNonEmptyLineOfAnyBytes) {
    const std::string megabyte(1 << 20, 'N');
    const std::vector<std::pair<std::string, Items>> cases = {
        {"Alpha,1\r\n\r\nBeta,2\r\n   \r\n", {"Alpha,1", "Beta,2", "   "}},
        {"Alpha,1\nBeta,2\n", {"Alpha,1\nBeta,2\n"}},
        {"Zulu,1\rAlpha,2\r", {"Zulu,1\rAlpha,2\r"}},
        {"", {}},
        {"\r\n\r\n", {}},
        {std::string("\0\x01\xFF,\x02\r\n\x80,\0", 10), {std::string("\0\x01\xFF,\x02", 5), std::string("\x80,\0", 3)}},
        {megabyte + ",7", {megabyte + ",7"}},
    };
    for (const auto& [bytes, lines] : cases) {
        MemoryFileSystem fs;
        fs.Put("C:\\g\\teams.ini", bytes);
        LineList list;
        list.Add("first");
        LoadLinesIntoList(list, fs, "C:\\g\\teams.ini");
        Items expected = {"first"};
        expected.insert(expected.end(), lines.begin(), lines.end());
        EXPECT_EQ(list.Items(), expected) << testing::PrintToString(bytes.substr(0, 40));
    }
}

TEST(LoadLinesIntoList, MissingFileRaisesFileNotFoundAndAddsNothing) {
    MemoryFileSystem fs;
    LineList list;
    try {
        LoadLinesIntoList(list, fs, "C:\\g\\missing.ini");
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_EQ(e.Number(), MemoryFileSystem::kFileNotFound);
    }
    EXPECT_EQ(list.Count(), 0);
}

TEST(SplitRecord, NameUpToTheFirstCommaIdUpToTheSecond) {
    struct Case {
        std::string line, name;
        bool hasId;
        std::string id;
    };
    const std::vector<Case> cases = {
        {"Alpha,5", "Alpha", true, "5"}, {"Alpha,5,xyz", "Alpha", true, "5"},
        {"Alpha", "Alpha", false, ""},   {"Alpha,", "Alpha", true, ""},
        {",7", "", true, "7"},           {"A B,1 2", "A B", true, "1 2"},
    };
    for (const auto& c : cases) {
        ListRecord r = SplitRecord(c.line);
        EXPECT_EQ(std::tie(r.name, r.hasId, r.id), std::tie(c.name, c.hasId, c.id)) << c.line;
        EXPECT_EQ(RecordName(c.line), c.name) << c.line;
    }
}

}  // namespace
}  // namespace pp
