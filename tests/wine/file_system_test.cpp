#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "files/file_system_win32.h"
#include "tests/wine/support/harness.h"
#include "win32/text.h"

namespace pp {
namespace {

void SetAttributes(const std::string& path, DWORD attributes) {
    ::SetFileAttributesW(win32::Widen(path).c_str(), attributes);
}

class FileSystem : public testing::Test {
  protected:
    test::TempFolder dir;
    win32::WindowsFileSystem fs;
};

TEST_F(FileSystem, OnlyOrdinaryFilesAreFound) {
    for (const char* name : {"plain.ini", "hidden.ini", "system.ini"})
        test::WriteFile(dir / name, "x");
    SetAttributes(dir / "hidden.ini", FILE_ATTRIBUTE_HIDDEN);
    SetAttributes(dir / "system.ini", FILE_ATTRIBUTE_SYSTEM);
    test::MakeFolders(dir / "folder.ini");
    EXPECT_EQ(fs.LookUpOrdinaryFile(dir / "plain.ini"), FileLookup::Found);
    for (const std::string& path : {dir / "hidden.ini", dir / "system.ini", dir / "folder.ini", dir / "absent.ini",
                                    dir / "no folder\\absent.ini", dir / "p*.ini", dir / "plain.in?", std::string()})
        EXPECT_EQ(fs.LookUpOrdinaryFile(path), FileLookup::Missing) << path;
}

// A read-only copy is flushed all the same and keeps its attributes.
TEST_F(FileSystem, MakeDurableAndDeleteTakeFilesOnly) {
    constexpr DWORD kReadOnlyHidden = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN;
    const std::string copy = dir / "bak_sku.ini";
    test::WriteFile(copy, "x");
    SetAttributes(copy, kReadOnlyHidden);
    EXPECT_TRUE(fs.MakeDurable(copy));
    EXPECT_EQ(::GetFileAttributesW(win32::Widen(copy).c_str()) & kReadOnlyHidden, kReadOnlyHidden);
    SetAttributes(copy, FILE_ATTRIBUTE_NORMAL);
    test::MakeFolders(dir / "folder.ini");
    for (const std::string name : {"folder.ini", "absent.ini"})
        EXPECT_FALSE(fs.MakeDurable(dir / name) || fs.Delete(dir / name)) << name;
    EXPECT_TRUE(fs.Delete(copy));
    EXPECT_FALSE(fs.Exists(copy) || fs.Delete(copy)) << "it is gone";
}

// Anything at a path takes its name; a copy or move spares a read-only or held-open target.
TEST_F(FileSystem, CopyAndMoveReplaceAnOrdinaryTargetOnlyAndRenameNever) {
    const std::string a = dir / "a.ini", b = dir / "bak b.ini", c = dir / "c.ini";
    test::MakeFolders(dir / "folder.ini");
    EXPECT_TRUE(fs.Exists(dir / "folder.ini"));
    EXPECT_FALSE(fs.Exists(dir / "no folder\\c.ini"));
    for (const std::string target : {"read-only", "held open", "ordinary"}) {
        test::WriteFile(a, "a");
        test::WriteFile(b, "b");
        SetAttributes(b, target == "read-only" ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL);
        {
            const auto other = test::HoldOpen(target == "held open" ? b : "");
            EXPECT_EQ(fs.IsReadOnly(b), target == "read-only");
            EXPECT_EQ(fs.IsInUse(b), target == "held open");
            EXPECT_FALSE(fs.Rename(a, b));
            EXPECT_EQ(fs.Rename(b, c) && fs.Rename(c, b), target != "held open") << target;
            EXPECT_EQ(fs.CopyReplacing(a, b), target == "ordinary") << target;
            EXPECT_EQ(fs.MoveReplacing(a, b), target == "ordinary") << target;
        }
        EXPECT_EQ(test::ReadFile(b), target == "ordinary" ? "a" : "b") << target;
        SetAttributes(b, FILE_ATTRIBUTE_NORMAL);
    }
    EXPECT_FALSE(fs.CopyReplacing(dir / "absent.ini", b));
    test::WriteFile(a, "a");
    const auto game = test::HoldOpen(a);
    EXPECT_FALSE(fs.CopyReplacing(a, b));
}

// That the try fails where the player may not write, tests/e2e/run-as-player shows.
TEST_F(FileSystem, CanCreateAndDeleteInTriesAndLeavesNothing) {
    test::WriteFile(dir / "file.ini", "x");
    EXPECT_TRUE(fs.CanCreateAndDeleteIn(dir / "") && fs.CanCreateAndDeleteIn(dir / ".."));
    EXPECT_FALSE(fs.CanCreateAndDeleteIn(dir / "absent") || fs.CanCreateAndDeleteIn(dir / "file.ini"));
    WIN32_FIND_DATAW found{};
    const win32::UniqueFindHandle find(::FindFirstFileW(win32::Widen(dir / "*.tmp").c_str(), &found));
    EXPECT_FALSE(find) << "left behind: " << win32::Narrow(found.cFileName);
    EXPECT_TRUE(fs.VirtualStoreFolder().ends_with("\\AppData\\Local\\VirtualStore")) << fs.VirtualStoreFolder();
}

TEST_F(FileSystem, ReadsConvertTextFromTheAnsiCodePageButNotBytesAndThrowTheSystemsError) {
    ASSERT_EQ(::GetACP(), 1252u) << "the tests expect the western code page of a default Wine prefix";
    // 0xC9 is "É" in code page 1252; a NUL stays in the text.
    const std::string bytes("\xC9toile,3\r\nZ\0ta,1\r\n", 18);
    test::WriteFile(dir / "teams.ini", bytes);
    EXPECT_EQ(fs.ReadWholeText(dir / "teams.ini"), std::string("\xC3\x89toile,3\r\nZ\0ta,1\r\n", 19));
    EXPECT_EQ(fs.ReadBytes(dir / "teams.ini", 1 << 20), bytes);
    EXPECT_EQ(fs.ReadBytes(dir / "teams.ini", 4), bytes.substr(0, 4));
    const auto other = test::HoldOpen(dir / "teams.ini");
    for (const auto& [name, error] :
         {std::pair{"teams.ini", ERROR_SHARING_VIOLATION}, std::pair{"absent.ini", ERROR_FILE_NOT_FOUND}}) {
        for (const auto& read : {std::function([&] { fs.ReadWholeText(dir / name); }),
                                 std::function([&] { fs.ReadBytes(dir / name, 4); })}) {
            try {
                read();
                ADD_FAILURE() << name << ": no error";
            } catch (const FileError& e) {
                EXPECT_EQ(e.Number(), static_cast<int>(error)) << name;
            }
        }
    }
}

TEST_F(FileSystem, WriteNewWritesTheBytesOnlyWhereNothingIs) {
    const std::string bytes("a\r\n\xC3\x89\0z", 7);
    EXPECT_TRUE(fs.WriteNew(dir / "Cup.ini.new", bytes));
    test::WriteFile(dir / "read-only.ini", "mine");
    SetAttributes(dir / "read-only.ini", FILE_ATTRIBUTE_READONLY);
    test::MakeFolders(dir / "folder.ini");
    for (const std::string name : {"Cup.ini.new", "read-only.ini", "folder.ini", "no folder\\x.ini"})
        EXPECT_FALSE(fs.WriteNew(dir / name, "other")) << name;
    SetAttributes(dir / "read-only.ini", FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(test::ReadFile(dir / "Cup.ini.new"), bytes);
    EXPECT_EQ(test::ReadFile(dir / "read-only.ini"), "mine");
}

TEST_F(FileSystem, FilesInListsTheFilesOfAFolderThatMakeFoldersMade) {
    const std::string folder = dir / "Pitch Pilot\\Setups";
    EXPECT_TRUE(fs.MakeFolders(folder) && fs.MakeFolders(folder));
    for (const char* name : {"Cup final .ini", "Cup final.ini", "\xC3\x89quipe.ini"})
        test::WriteFile(folder + "\\" + name, name);
    test::MakeFolders(folder + "\\folder.ini");
    std::vector<std::string> names = fs.FilesIn(folder);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Cup final .ini", "Cup final.ini", "\xC3\x89quipe.ini"}));
    EXPECT_TRUE(fs.FilesIn(dir / "absent").empty());
    EXPECT_FALSE(fs.MakeFolders(folder + "\\Cup final.ini")) << "a file of that name is no folder";
}

}  // namespace
}  // namespace pp
