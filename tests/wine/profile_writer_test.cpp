// Against the system's profile functions, which read the file as the game does.

#include <gtest/gtest.h>

#include <windows.h>

#include "config/profile_writer_win32.h"
#include "config/save_command.h"
#include "config/user_ini.h"
#include "tests/native/support/fakes.h"
#include "tests/wine/support/harness.h"
#include "win32/text.h"

namespace pp {
namespace {

class ProfileWriter : public testing::Test {
  protected:
    std::string ReadBack(const std::string& section, const std::string& key) {
        wchar_t value[64];
        ::GetPrivateProfileStringW(win32::Widen(section).c_str(), win32::Widen(key).c_str(), L"-", value, 64,
                                   win32::Widen(userIni).c_str());
        return win32::Narrow(value);
    }
    test::TempFolder dir;
    const std::string userIni = dir / "user.ini";
    win32::WindowsProfileWriter writer;
};

// Also beside tokens that take over the file, typed or once in the code page ("［", "；", "＝", "　").
TEST_F(ProfileWriter, EveryEntryReadsBackUnderItsOwnSectionAndKey) {
    ASSERT_EQ(::GetACP(), 1252u) << "the tests expect the western code page of a default Wine prefix";
    const std::vector<std::string> tokens = SplitAtBlanks(
        "[X]=1 ;K=2 A]B/K=3 OPTIONS/BOOKINGS=1 AUDIO=0 A=B/K=4 [S/K]=5 \tT\t/\tK\t=\t6 "
        "GUI/N=\xC3\x89quipe\xE2\x82\xAC ［Y］=7 \xE3\x80\x80[Z]=8 ；Q=9 C＝D=10");
    ASSERT_TRUE(writer.WriteNewFile(userIni, UserIniText(tokens, writer)));
    for (const auto& token : tokens) {
        const auto split = SplitAsStored(token, writer);
        if (const auto* entry = std::get_if<ProfileEntry>(&split)) {
            EXPECT_EQ(ReadBack(entry->section, entry->key), entry->value) << token;
        }
    }
    EXPECT_EQ(
        ReadBack("X", "AUDIO") + ReadBack("", "[X]") + ReadBack("", ";K") + ReadBack("Y", "A") + ReadBack("Z", "A"),
        "-----");
}

TEST_F(ProfileWriter, StoresWhatTheFakeOfTheNativeTestsClaims) {
    for (const std::string text :
         {"plain ASCII [;=/]", "［Ｘ］；＝／ＡＢｃ\xE3\x80\x80", "\xC3\x89t\xC3\xA9 \xE2\x82\xAC \xC2\xA0",
          "\xC4\x80\xC4\x81", "\xE4\xB8\xAD \xC2\x85 \xF0\x9F\x98\x80", "x\xFFy\x80z"}) {
        const std::string stored = writer.AsStored(text);
        EXPECT_EQ(stored, StoredInWesternCodePage(text)) << text;
        EXPECT_EQ(writer.AsStored(stored), stored) << text;
        ASSERT_TRUE(writer.WriteNewFile(userIni, text));
        EXPECT_EQ(win32::AnsiToUtf8(test::ReadFile(userIni).value_or("-")), stored) << text;
        ASSERT_TRUE(::DeleteFileW(win32::Widen(userIni).c_str()));
    }
}

TEST_F(ProfileWriter, AnythingAlreadyThereStaysAsItWas) {
    for (DWORD attributes : {DWORD{FILE_ATTRIBUTE_HIDDEN}, DWORD{FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_SYSTEM}}) {
        test::WriteFile(userIni, "[OLD]\r\nSTALE=1\r\n");
        ::SetFileAttributesW(win32::Widen(userIni).c_str(), attributes);
        {
            const auto held = test::HoldOpen(attributes & FILE_ATTRIBUTE_HIDDEN ? userIni : "");
            EXPECT_FALSE(writer.WriteNewFile(userIni, "AUDIO=1\r\n"));
        }
        ::SetFileAttributesW(win32::Widen(userIni).c_str(), FILE_ATTRIBUTE_NORMAL);
        EXPECT_EQ(test::ReadFile(userIni), "[OLD]\r\nSTALE=1\r\n");
    }
    test::MakeFolders(dir / "folder.ini");
    EXPECT_FALSE(writer.WriteNewFile(dir / "folder.ini", "AUDIO=1\r\n"));
}

}  // namespace
}  // namespace pp
