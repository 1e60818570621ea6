// The profile writer against the system's, writing the user.ini that the game reads.

#include <gtest/gtest.h>

#include <windows.h>

#include "config/profile_writer_win32.h"
#include "tests/wine/support/files.h"

namespace pp {
namespace {

class ProfileWriter : public testing::Test {
  protected:
    test::TempFolder dir;
    const std::string userIni = dir / "user.ini";
    win32::WindowsProfileWriter writer;
};

TEST_F(ProfileWriter, EntriesAndSectionsMakeTheFileTheGameReadsInTheSystemCodePage) {
    ASSERT_EQ(::GetACP(), 1252u) << "the tests expect the western code page of a default Wine prefix";
    EXPECT_TRUE(writer.WriteEntry("OPTIONS", "BOOKINGS", "1", userIni));
    EXPECT_TRUE(writer.WriteEntry("", "HOME_TEAM", "103", userIni));
    EXPECT_TRUE(writer.WriteSection("GUI", {{"CAMERA", "2"}, {"NAME", "\xC3\x89quipe"}}, userIni));
    EXPECT_TRUE(writer.WriteEntry("OPTIONS", "BOOKINGS", "0", userIni)) << "a second write replaces the value";
    // The entries of the nameless section come first, with no header.
    EXPECT_EQ(test::ReadFile(userIni),
              "HOME_TEAM=103\r\n[OPTIONS]\r\nBOOKINGS=0\r\n[GUI]\r\nCAMERA=2\r\nNAME=\xC9quipe\r\n");
    EXPECT_TRUE(writer.WriteSection("GUI", {{"SPEED", "1"}}, userIni));
    EXPECT_EQ(test::ReadFile(userIni), "HOME_TEAM=103\r\n[OPTIONS]\r\nBOOKINGS=0\r\n[GUI]\r\nSPEED=1\r\n")
        << "a section written whole replaces what the section held";
}

// The write that failed is not done later either: Wine would otherwise keep it and write it out
// at the next chance, such as the next write of any other ini file.
TEST_F(ProfileWriter, AFileHeldOpenOrAFolderStaysAsItWas) {
    test::WriteFile(userIni, "[OPTIONS]\r\nBOOKINGS=0\r\n");
    {
        const auto held = test::HoldOpen(userIni);
        ASSERT_TRUE(held.Valid());
        EXPECT_FALSE(writer.WriteEntry("OPTIONS", "BOOKINGS", "1", userIni));
        EXPECT_FALSE(writer.WriteSection("GUI", {{"CAMERA", "2"}}, userIni));
    }
    EXPECT_TRUE(writer.WriteEntry("S", "K", "V", dir / "other.ini"));
    EXPECT_EQ(test::ReadFile(userIni), "[OPTIONS]\r\nBOOKINGS=0\r\n");
    test::MakeFolders(dir / "folder.ini");
    EXPECT_FALSE(writer.WriteEntry("OPTIONS", "BOOKINGS", "1", dir / "folder.ini"));
}

}  // namespace
}  // namespace pp
