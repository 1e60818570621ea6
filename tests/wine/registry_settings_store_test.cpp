#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "state/registry_settings_store_win32.h"
#include "tests/wine/support/registry_test_key.h"
#include "win32/handles.h"
#include "win32/text.h"

namespace pp {
namespace {

constexpr const char* kApplication = "PitchPilotTest";
constexpr const char* kSection = "09PP";

class RegistryStore : public testing::Test {
  protected:
    std::wstring SectionPath() const { return base.Path() + L"\\" + win32::Widen(kApplication) + L"\\" + L"09PP"; }

    // Writes a raw value of any type, as a user or another program might.
    void PutRaw(const std::string& key, DWORD type, const void* data, DWORD size) {
        HKEY created = nullptr;
        ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, SectionPath().c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                                    &created, nullptr),
                  ERROR_SUCCESS);
        win32::UniqueRegistryKey section(created);
        ASSERT_EQ(
            ::RegSetValueExW(section.Get(), win32::Widen(key).c_str(), 0, type, static_cast<const BYTE*>(data), size),
            ERROR_SUCCESS);
    }
    DWORD TypeOf(const std::string& key) {
        DWORD type = REG_NONE;
        ::RegGetValueW(HKEY_CURRENT_USER, SectionPath().c_str(), win32::Widen(key).c_str(), RRF_RT_ANY, &type, nullptr,
                       nullptr);
        return type;
    }

    test::RegistryTestKey base;
    win32::RegistrySettingsStore store{base.Path()};
};

TEST_F(RegistryStore, AbsentKeySectionOrApplicationGivesNothing) {
    EXPECT_EQ(store.Get(kApplication, kSection, "c2"), std::nullopt);
    ASSERT_TRUE(store.Save(kApplication, kSection, "c3", "1"));
    EXPECT_EQ(store.Get(kApplication, kSection, "c2"), std::nullopt);
    EXPECT_EQ(store.Get(kApplication, "other", "c3"), std::nullopt);
    EXPECT_EQ(store.Get("OtherApplication", kSection, "c3"), std::nullopt);
    EXPECT_EQ(store.Get(kApplication, kSection, "c3"), "1");
}

TEST_F(RegistryStore, TextsComeBackExactlyAsStringValues) {
    const std::vector<std::string> texts = {
        "0",
        "-1",
        "",
        "0.5",
        "  DEBUG_SHOOTOUT=1  Two  blanks ",
        "\xC3\x89quipe \xC3\xBC\xC3\x9F \xE2\x82\xAC \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x8F\x86",  // beyond the code
                                                                                                  // page
        std::string(20000, 'x'),
        "line\r\nbreak\ttab",
    };
    for (size_t i = 0; i < texts.size(); ++i) {
        const std::string key = std::to_string(i) + "k";
        ASSERT_TRUE(store.Save(kApplication, kSection, key, texts[i])) << key;
        EXPECT_EQ(store.Get(kApplication, kSection, key), texts[i]) << key;
        EXPECT_EQ(TypeOf(key), static_cast<DWORD>(REG_SZ)) << key;
    }
    EXPECT_TRUE(test::RegistryKeyExists(SectionPath()));
}

TEST_F(RegistryStore, NonAsciiKeyAndSectionNames) {
    const std::string section = "S\xC3\xA9kt\xC3\xAFon";
    ASSERT_TRUE(store.Save(kApplication, section, "\xC3\xBC", "value"));
    EXPECT_EQ(store.Get(kApplication, section, "\xC3\xBC"), "value");
    EXPECT_EQ(store.Get(kApplication, section, "u"), std::nullopt);
}

TEST_F(RegistryStore, SavingAgainReplacesTheValue) {
    ASSERT_TRUE(store.Save(kApplication, kSection, "YC", "a long first text"));
    ASSERT_TRUE(store.Save(kApplication, kSection, "YC", "b"));
    EXPECT_EQ(store.Get(kApplication, kSection, "YC"), "b");
}

struct RawCase {
    std::string name;
    DWORD type;
    std::vector<BYTE> bytes;
    std::optional<std::string> read;
};

std::vector<BYTE> Bytes(const void* data, size_t size) {
    const BYTE* b = static_cast<const BYTE*>(data);
    return {b, b + size};
}

// Values that other hands put there: the store reads what it can as text and treats the rest as
// absent, so the control keeps to its default.
TEST_F(RegistryStore, ValuesOfOtherTypes) {
    const DWORD one = 1, big = 0xFFFFFFFFu;
    const ULONGLONG huge = 5000000000ull;
    const wchar_t unterminated[] = {L'4', L'2'};
    const wchar_t embeddedNul[] = {L'7', L'\0', L'9', L'\0'};
    const wchar_t expand[] = L"%TEMP%\\x";
    const wchar_t multi[] = L"1\0002\0";
    const BYTE binary[] = {1, 0, 0, 0};
    const BYTE oddString[] = {'5', 0, '6'};
    const std::vector<RawCase> cases = {
        {"dword", REG_DWORD, Bytes(&one, sizeof one), "1"},
        {"dword all bits", REG_DWORD, Bytes(&big, sizeof big), "4294967295"},
        {"qword", REG_QWORD, Bytes(&huge, sizeof huge), "5000000000"},
        {"string without its NUL", REG_SZ, Bytes(unterminated, sizeof unterminated), "42"},
        {"string with a NUL inside", REG_SZ, Bytes(embeddedNul, sizeof embeddedNul), "7"},
        {"string of an odd length", REG_SZ, Bytes(oddString, sizeof oddString), "5"},
        {"empty string without NUL", REG_SZ, {}, ""},
        {"expandable string", REG_EXPAND_SZ, Bytes(expand, sizeof expand), "%TEMP%\\x"},
        {"multi-string", REG_MULTI_SZ, Bytes(multi, sizeof multi), std::nullopt},
        {"binary", REG_BINARY, Bytes(binary, sizeof binary), std::nullopt},
        {"short dword", REG_DWORD, Bytes(binary, 2), std::nullopt},
        {"none", REG_NONE, {}, std::nullopt},
    };
    for (const RawCase& c : cases) {
        PutRaw(c.name, c.type, c.bytes.data(), static_cast<DWORD>(c.bytes.size()));
        EXPECT_EQ(store.Get(kApplication, kSection, c.name), c.read) << c.name;
    }
}

TEST_F(RegistryStore, EmptyApplicationOrSectionIsRefused) {
    EXPECT_FALSE(store.Save("", kSection, "c2", "1"));
    EXPECT_FALSE(store.Save(kApplication, "", "c2", "1"));
    EXPECT_EQ(store.Get("", kSection, "c2"), std::nullopt);
    EXPECT_FALSE(test::RegistryKeyExists(base.Path()));
}

TEST(RegistryTestKeyGuard, RemovesTheWholeTree) {
    std::wstring path;
    {
        test::RegistryTestKey base;
        path = base.Path();
        win32::RegistrySettingsStore store(base.Path());
        ASSERT_TRUE(store.Save(kApplication, kSection, "c2", "1"));
        ASSERT_TRUE(test::RegistryKeyExists(path + L"\\PitchPilotTest\\09PP"));
    }
    EXPECT_FALSE(test::RegistryKeyExists(path));
}

}  // namespace
}  // namespace pp
