// The file system service against the real one, in a folder whose path holds a blank and letters
// outside the system code page.

#include <gtest/gtest.h>

#include <windows.h>

#include "files/file_system_win32.h"
#include "tests/wine/support/temp_folder.h"
#include "win32/handles.h"
#include "win32/text.h"

namespace pp {
namespace {

using win32::Widen;

// Another program's handle that shares the file with no one, for one scope.
class HeldOpen {
  public:
    explicit HeldOpen(const std::string& path)
        : file_(::CreateFileW(Widen(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr)) {}
    bool Held() const { return file_.Valid(); }

  private:
    win32::UniqueFileHandle file_;
};

class FileSystem : public testing::Test {
  protected:
    void SetAttributes(const std::string& name, DWORD attributes) {
        ::SetFileAttributesW(Widen(dir / name).c_str(), attributes);
    }
    std::string Read(const std::string& name) {
        std::string bytes;
        return test::ReadFile(dir / name, bytes) ? bytes : "<missing>";
    }
    test::TempFolder dir;
    win32::WindowsFileSystem fs;
};

TEST_F(FileSystem, OnlyOrdinaryFilesAreFound) {
    for (const char* name : {"plain.ini", "hidden.ini", "system.ini", "\xE6\x97\xA5 \xCE\xA9.ini"})
        test::WriteFile(dir / name, "x");
    SetAttributes("hidden.ini", FILE_ATTRIBUTE_HIDDEN);
    SetAttributes("system.ini", FILE_ATTRIBUTE_SYSTEM);
    test::MakeFolders(dir / "folder.ini");
    const std::pair<std::string, FileLookup> cases[] = {
        {dir / "plain.ini", FileLookup::Found},
        {dir / "PLAIN.INI", FileLookup::Found},
        {dir / "\xE6\x97\xA5 \xCE\xA9.ini", FileLookup::Found},
        {dir / "hidden.ini", FileLookup::Missing},
        {dir / "system.ini", FileLookup::Missing},
        {dir / "folder.ini", FileLookup::Missing},
        {dir / "absent.ini", FileLookup::Missing},
        {dir / "no such folder\\absent.ini", FileLookup::Missing},
        {dir / "p*.ini", FileLookup::Missing},
        {dir / "plain.in?", FileLookup::Missing},
        {"", FileLookup::Missing},
    };
    for (const auto& [path, expected] : cases)
        EXPECT_EQ(fs.LookUpOrdinaryFile(path), expected) << path;
}

TEST_F(FileSystem, CopyReplacesAnOrdinaryTargetOnly) {
    test::WriteFile(dir / "common.ini", "new contents\r\n");
    struct Case {
        const char* what;
        DWORD attributes;  // of the old target
        bool heldOpen;
        bool copied;
    };
    const Case cases[] = {
        {"ordinary", FILE_ATTRIBUTE_NORMAL, false, true},
        {"read-only", FILE_ATTRIBUTE_READONLY, false, false},
        {"held open by another program", FILE_ATTRIBUTE_NORMAL, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::WriteFile(dir / "bak common.ini", "old");
        SetAttributes("bak common.ini", c.attributes);
        {
            HeldOpen other(c.heldOpen ? dir / "bak common.ini" : std::string());
            EXPECT_EQ(fs.CopyReplacing(dir / "common.ini", dir / "bak common.ini"), c.copied);
        }
        EXPECT_EQ(Read("bak common.ini"), c.copied ? "new contents\r\n" : "old");
        SetAttributes("bak common.ini", FILE_ATTRIBUTE_NORMAL);
    }
    EXPECT_FALSE(fs.CopyReplacing(dir / "absent.ini", dir / "bak common.ini"));
    EXPECT_EQ(Read("bak common.ini"), "old") << "a failed copy leaves the target as it was";
}

TEST_F(FileSystem, DeleteTellsWhetherItRemovedTheFile) {
    test::WriteFile(dir / "user.ini", "x");
    EXPECT_TRUE(fs.Delete(dir / "user.ini"));
    EXPECT_FALSE(test::FileExists(dir / "user.ini"));
    EXPECT_FALSE(fs.Delete(dir / "user.ini"));

    test::WriteFile(dir / "user.ini", "x");
    {
        HeldOpen other(dir / "user.ini");
        ASSERT_TRUE(other.Held());
        EXPECT_FALSE(fs.Delete(dir / "user.ini"));
    }
    EXPECT_EQ(Read("user.ini"), "x");
    test::MakeFolders(dir / "folder.ini");
    EXPECT_FALSE(fs.Delete(dir / "folder.ini"));
    EXPECT_TRUE(test::FileExists(dir / "folder.ini"));
}

TEST_F(FileSystem, ReadWholeTextConvertsTheAnsiCodePage) {
    ASSERT_EQ(::GetACP(), 1252u) << "the tests expect the western code page of a default Wine prefix";
    // 0xC9 is "É" in code page 1252; a NUL byte stays a character of the text.
    test::WriteFile(dir / "teams.ini", std::string("\xC9toile,3\r\nZ\0ta,1\r\n", 18));
    EXPECT_EQ(fs.ReadWholeText(dir / "teams.ini"), std::string("\xC3\x89toile,3\r\nZ\0ta,1\r\n", 19));
    test::WriteFile(dir / "empty.ini", "");
    EXPECT_EQ(fs.ReadWholeText(dir / "empty.ini"), "");
}

TEST_F(FileSystem, ReadWholeTextThatCannotReadThrowsTheSystemsError) {
    test::WriteFile(dir / "held.ini", "x");
    HeldOpen other(dir / "held.ini");
    ASSERT_TRUE(other.Held());
    test::MakeFolders(dir / "folder.ini");
    const std::pair<std::string, DWORD> cases[] = {
        {dir / "missing.ini", ERROR_FILE_NOT_FOUND},
        {dir / "no such folder\\teams.ini", ERROR_PATH_NOT_FOUND},
        {dir / "held.ini", ERROR_SHARING_VIOLATION},
        {dir / "folder.ini", ERROR_ACCESS_DENIED},
    };
    for (const auto& [path, error] : cases) {
        try {
            fs.ReadWholeText(path);
            ADD_FAILURE() << path << ": no error";
        } catch (const FileError& e) {
            EXPECT_EQ(e.Number(), static_cast<int>(error)) << path;
            EXPECT_STRNE(e.what(), "") << path;
        }
    }
}

}  // namespace
}  // namespace pp
