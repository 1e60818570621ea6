// The file system service against the real one.

#include <gtest/gtest.h>

#include <windows.h>

#include "files/file_system_win32.h"
#include "tests/wine/support/files.h"
#include "win32/handles.h"
#include "win32/text.h"

namespace pp {
namespace {

class FileSystem : public testing::Test {
  protected:
    // Another program's handle that shares the file with no one; none for an empty path.
    win32::UniqueFileHandle HoldOpen(const std::string& path) {
        return win32::UniqueFileHandle(
            ::CreateFileW(win32::Widen(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    }
    void SetAttributes(const std::string& name, DWORD attributes) {
        ::SetFileAttributesW(win32::Widen(dir / name).c_str(), attributes);
    }
    test::TempFolder dir;
    win32::WindowsFileSystem fs;
};

TEST_F(FileSystem, OnlyOrdinaryFilesAreFound) {
    for (const char* name : {"plain.ini", "hidden.ini", "system.ini"})
        test::WriteFile(dir / name, "x");
    SetAttributes("hidden.ini", FILE_ATTRIBUTE_HIDDEN);
    SetAttributes("system.ini", FILE_ATTRIBUTE_SYSTEM);
    test::MakeFolders(dir / "folder.ini");
    const std::pair<std::string, FileLookup> cases[] = {
        {dir / "plain.ini", FileLookup::Found},
        {dir / "hidden.ini", FileLookup::Missing},
        {dir / "system.ini", FileLookup::Missing},
        {dir / "folder.ini", FileLookup::Missing},
        {dir / "absent.ini", FileLookup::Missing},
        {dir / "no folder\\absent.ini", FileLookup::Missing},
        {dir / "p*.ini", FileLookup::Missing},
        {dir / "plain.in?", FileLookup::Missing},
        {"", FileLookup::Missing},
    };
    for (const auto& [path, expected] : cases)
        EXPECT_EQ(fs.LookUpOrdinaryFile(path), expected) << path;
}

TEST_F(FileSystem, CopyReplacesAnOrdinaryTargetOnly) {
    test::WriteFile(dir / "common.ini", "new");
    const struct {
        const char* what;
        DWORD attributes;  // of the old target
        bool heldOpen, copied;
    } cases[] = {
        {"ordinary", FILE_ATTRIBUTE_NORMAL, false, true},
        {"read-only", FILE_ATTRIBUTE_READONLY, false, false},
        {"held open by another program", FILE_ATTRIBUTE_NORMAL, true, false},
    };
    for (const auto& c : cases) {
        test::WriteFile(dir / "bak common.ini", "old");
        SetAttributes("bak common.ini", c.attributes);
        {
            auto other = HoldOpen(c.heldOpen ? dir / "bak common.ini" : "");
            EXPECT_EQ(fs.CopyReplacing(dir / "common.ini", dir / "bak common.ini"), c.copied) << c.what;
        }
        EXPECT_EQ(test::ReadFile(dir / "bak common.ini"), c.copied ? "new" : "old") << c.what;
        SetAttributes("bak common.ini", FILE_ATTRIBUTE_NORMAL);
    }
    EXPECT_FALSE(fs.CopyReplacing(dir / "absent.ini", dir / "bak common.ini"));
}

TEST_F(FileSystem, DeleteTellsWhetherItRemovedTheFile) {
    test::WriteFile(dir / "held.ini", "x");
    test::WriteFile(dir / "user.ini", "x");
    test::MakeFolders(dir / "folder.ini");
    const auto other = HoldOpen(dir / "held.ini");
    EXPECT_FALSE(fs.Delete(dir / "held.ini"));
    EXPECT_FALSE(fs.Delete(dir / "folder.ini"));
    EXPECT_TRUE(fs.Delete(dir / "user.ini"));
    EXPECT_FALSE(test::ReadFile(dir / "user.ini"));
    EXPECT_FALSE(fs.Delete(dir / "user.ini")) << "it is gone";
}

TEST_F(FileSystem, ReadWholeTextConvertsTheAnsiCodePageOrThrowsTheSystemsError) {
    ASSERT_EQ(::GetACP(), 1252u) << "the tests expect the western code page of a default Wine prefix";
    // 0xC9 is "É" in code page 1252; a NUL byte stays a character of the text.
    test::WriteFile(dir / "teams.ini", std::string("\xC9toile,3\r\nZ\0ta,1\r\n", 18));
    EXPECT_EQ(fs.ReadWholeText(dir / "teams.ini"), std::string("\xC3\x89toile,3\r\nZ\0ta,1\r\n", 19));

    const auto other = HoldOpen(dir / "teams.ini");
    const std::pair<const char*, DWORD> cases[] = {{"teams.ini", ERROR_SHARING_VIOLATION},
                                                   {"absent.ini", ERROR_FILE_NOT_FOUND}};
    for (const auto& [name, error] : cases) {
        try {
            fs.ReadWholeText(dir / name);
            ADD_FAILURE() << name << ": no error";
        } catch (const FileError& e) {
            EXPECT_EQ(e.Number(), static_cast<int>(error)) << name;
            EXPECT_STRNE(e.what(), "") << name;
        }
    }
}

}  // namespace
}  // namespace pp
