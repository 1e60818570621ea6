// Below a key of the test's own: the tool's HKCU\Software\KWTR is never touched.

#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include <sddl.h>

#include "state/registry_settings_store_win32.h"
#include "win32/handles.h"
#include "win32/text.h"

namespace pp {
namespace {

template <typename T>
std::vector<BYTE> Bytes(const T& value, size_t size = sizeof(T)) {
    const BYTE* bytes = reinterpret_cast<const BYTE*>(&value);
    return {bytes, bytes + size};
}

class SettingsStore : public testing::Test {
  protected:
    ~SettingsStore() override { ::RegDeleteTreeW(HKEY_CURRENT_USER, base.c_str()); }
    const std::wstring base = L"Software\\PitchPilot Tests " + std::to_wstring(::GetCurrentProcessId());
    win32::RegistrySettingsStore store{base};
};

TEST_F(SettingsStore, TextsComeBackExactlyAndOnlyUnderTheirOwnNames) {
    for (const std::string& text :
         {std::string("  DEBUG_SHOOTOUT=1  Two  blanks "), std::string(),
          std::string("\xC3\x89quipe \xE2\x82\xAC \xE6\x97\xA5 \xF0\x9F\x8F\x86"), std::string(100000, 'x')}) {
        ASSERT_TRUE(store.Save("App", "09PP", "S\xC3\xA9kt", text));
        EXPECT_EQ(store.Get("App", "09PP", "S\xC3\xA9kt"), text);
    }
    EXPECT_EQ(store.Get("App", "09PP", "Sekt"), std::nullopt);
    EXPECT_EQ(store.Get("App", "Other", "S\xC3\xA9kt"), std::nullopt);
    EXPECT_EQ(store.Get("Other", "09PP", "S\xC3\xA9kt"), std::nullopt);
    EXPECT_FALSE(store.Save("", "09PP", "c2", "1") || store.Save("App", "", "c2", "1"));
}

// Values other hands put there: read as text where they can be, else absent; a save writes text.
TEST_F(SettingsStore, ValuesOfOtherTypesAndShapes) {
    const wchar_t unterminated[] = {L'4', L'2'}, embeddedNul[] = {L'7', L'\0', L'9'}, multi[] = {L'1', 0, L'2', 0, 0};
    const struct {
        const char* name;
        DWORD type;
        std::vector<BYTE> bytes;
        std::optional<std::string> read;
    } cases[] = {
        {"dword", REG_DWORD, Bytes(DWORD{0xFFFFFFFFu}), "4294967295"},
        {"qword", REG_QWORD, Bytes(ULONGLONG{5000000000ull}), "5000000000"},
        {"short dword", REG_DWORD, Bytes(DWORD{1}, 2), std::nullopt},
        {"string without its NUL", REG_SZ, Bytes(unterminated), "42"},
        {"string with a NUL inside", REG_SZ, Bytes(embeddedNul), "7"},
        {"string of an odd length", REG_SZ, Bytes(L"56", 3), "5"},
        {"empty string without NUL", REG_SZ, {}, ""},
        {"expandable string", REG_EXPAND_SZ, Bytes(L"%TEMP%"), "%TEMP%"},
        {"multi-string", REG_MULTI_SZ, Bytes(multi), std::nullopt},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(::RegSetKeyValueW(HKEY_CURRENT_USER, (base + L"\\App\\09PP").c_str(), win32::Widen(c.name).c_str(),
                                    c.type, c.bytes.data(), static_cast<DWORD>(c.bytes.size())),
                  ERROR_SUCCESS);
        EXPECT_EQ(store.Get("App", "09PP", c.name), c.read) << c.name;
        ASSERT_TRUE(store.Save("App", "09PP", c.name, "1"));
        EXPECT_EQ(store.Get("App", "09PP", c.name), "1") << c.name;
    }
}

// The store keeps the section it reads open; another hand may delete it and make it again meanwhile.
TEST_F(SettingsStore, ASectionDeletedOrMadeAgainMeanwhileReadsAsItNowIs) {
    const std::wstring section = base + L"\\App\\09PP";
    ASSERT_TRUE(store.Save("App", "09PP", "c2", "1"));
    EXPECT_EQ(store.Get("App", "09PP", "c2"), "1");
    ASSERT_EQ(::RegDeleteKeyW(HKEY_CURRENT_USER, section.c_str()), ERROR_SUCCESS);
    ASSERT_TRUE(store.Save("App", "09PP", "c2", "2"));
    EXPECT_EQ(store.Get("App", "09PP", "c2"), "2");
    ASSERT_EQ(::RegDeleteKeyW(HKEY_CURRENT_USER, section.c_str()), ERROR_SUCCESS);
    EXPECT_EQ(store.Get("App", "09PP", "c2"), std::nullopt);
}

TEST_F(SettingsStore, AKeyThatMayNotBeReadThrowsInsteadOfSeemingAbsent) {
    ASSERT_TRUE(store.Save("App", "09PP", "c2", "1"));
    const std::wstring section = base + L"\\App\\09PP";
    HKEY key = nullptr;
    ASSERT_EQ(::RegOpenKeyExW(HKEY_CURRENT_USER, section.c_str(), 0, WRITE_DAC, &key), ERROR_SUCCESS);
    const win32::UniqueRegistryKey opened(key);
    auto setPermissions = [&](const wchar_t* sddl) {
        PSECURITY_DESCRIPTOR descriptor = nullptr;
        ASSERT_TRUE(
            ::ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl, SDDL_REVISION_1, &descriptor, nullptr));
        EXPECT_EQ(::RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor), ERROR_SUCCESS);
        ::LocalFree(descriptor);
    };
    setPermissions(L"D:(D;;KR;;;WD)(A;;KA;;;WD)");  // nobody may read it
    EXPECT_THROW(store.Get("App", "09PP", "c2"), SettingsError);
    EXPECT_EQ(store.Get("App", "Absent", "c2"), std::nullopt);
    setPermissions(L"D:(A;;KA;;;WD)");  // so that the test can remove it
}

}  // namespace
}  // namespace pp
