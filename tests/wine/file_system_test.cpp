#include <gtest/gtest.h>

#include <windows.h>

#include "files/file_system_win32.h"
#include "files/mstring.h"
#include "tests/wine/support/temp_folder.h"
#include "win32/text.h"

namespace pp {
namespace {

class WindowsFiles : public testing::Test {
  protected:
    test::TempFolder dir;
    win32::WindowsFileSystem fs;
};

TEST_F(WindowsFiles, OnlyOrdinaryFilesAreFound) {
    test::WriteFile(dir / "plain.ini", "x");
    test::WriteFile(dir / "hidden.ini", "x");
    ::SetFileAttributesW(win32::Widen(dir / "hidden.ini").c_str(), FILE_ATTRIBUTE_HIDDEN);
    test::WriteFile(dir / "system.ini", "x");
    ::SetFileAttributesW(win32::Widen(dir / "system.ini").c_str(), FILE_ATTRIBUTE_SYSTEM);
    test::MakeFolders(dir / "folder.ini");

    EXPECT_EQ(fs.LookUpOrdinaryFile(dir / "plain.ini"), FileLookup::Found);
    EXPECT_EQ(fs.LookUpOrdinaryFile(dir / "PLAIN.INI"), FileLookup::Found);
    EXPECT_EQ(fs.LookUpOrdinaryFile(dir / "hidden.ini"), FileLookup::Missing);
    EXPECT_EQ(fs.LookUpOrdinaryFile(dir / "system.ini"), FileLookup::Missing);
    EXPECT_EQ(fs.LookUpOrdinaryFile(dir / "folder.ini"), FileLookup::Missing);
    EXPECT_EQ(fs.LookUpOrdinaryFile(dir / "absent.ini"), FileLookup::Missing);
    EXPECT_EQ(fs.LookUpOrdinaryFile(dir / "no such folder\\absent.ini"), FileLookup::Missing);
    EXPECT_EQ(fs.LookUpOrdinaryFile(dir / "p*.ini"), FileLookup::Missing);
    EXPECT_EQ(fs.LookUpOrdinaryFile(""), FileLookup::Missing);
}

TEST_F(WindowsFiles, CopyReplacesAndDeleteRemoves) {
    test::WriteFile(dir / "common.ini", "new contents\r\n");
    test::WriteFile(dir / "bak_common.ini", "old");
    EXPECT_TRUE(fs.CopyReplacing(dir / "common.ini", dir / "bak_common.ini"));
    std::string copied;
    ASSERT_TRUE(test::ReadFile(dir / "bak_common.ini", copied));
    EXPECT_EQ(copied, "new contents\r\n");

    EXPECT_TRUE(fs.Delete(dir / "common.ini"));
    EXPECT_FALSE(test::FileExists(dir / "common.ini"));
    EXPECT_FALSE(fs.Delete(dir / "common.ini"));
    EXPECT_FALSE(fs.CopyReplacing(dir / "common.ini", dir / "bak_common.ini"));
}

TEST_F(WindowsFiles, ReadWholeTextConvertsTheAnsiCodePage) {
    // 0xC9 is "É" in the western ANSI code page that Wine and a western Windows use.
    test::WriteFile(dir / "teams.ini", std::string("\xC9toile,3\r\nZeta,1\r\n"));
    if (::GetACP() != 1252)
        GTEST_SKIP() << "the system code page is not 1252";
    EXPECT_EQ(fs.ReadWholeText(dir / "teams.ini"), "\xC3\x89toile,3\r\nZeta,1\r\n");
}

TEST_F(WindowsFiles, ReadWholeTextOfMissingFileFailsWithFileNotFound) {
    try {
        fs.ReadWholeText(dir / "missing.ini");
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_EQ(e.Number(), ERROR_FILE_NOT_FOUND);
        EXPECT_FALSE(std::string(e.what()).empty());
    }
}

TEST_F(WindowsFiles, LoadLinesFromARealFile) {
    test::WriteFile(dir / "teams.ini", "Alpha,1\r\n\r\nbeta,2\r\n");
    LineList list;
    LoadLinesIntoList(list, fs, dir / "teams.ini");
    EXPECT_EQ(list.Items(), (std::vector<std::string>{"Alpha,1", "beta,2"}));
    std::string empty;
    test::WriteFile(dir / "empty.ini", empty);
    LoadLinesIntoList(list, fs, dir / "empty.ini");
    EXPECT_EQ(list.Count(), 2);
}

}  // namespace
}  // namespace pp
