// The settings store against the real registry, below a key of the test's own: the tool's key
// HKCU\Software\KWTR is never touched.

#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <string>
#include <vector>

#include "state/registry_settings_store_win32.h"
#include "win32/handles.h"
#include "win32/text.h"

namespace pp {
namespace {

using win32::Widen;

constexpr const char* kApplication = "PitchPilotTest";
constexpr const char* kSection = "09PP";

bool KeyExists(const std::wstring& path) {
    HKEY opened = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return false;
    win32::UniqueRegistryKey key(opened);
    return true;
}

class SettingsStore : public testing::Test {
  protected:
    ~SettingsStore() override { ::RegDeleteTreeW(HKEY_CURRENT_USER, base.c_str()); }

    std::wstring SectionPath() const {
        std::wstring path = base;
        return path.append(L"\\").append(Widen(kApplication)).append(L"\\").append(Widen(kSection));
    }
    // A raw value of any type, as a user or another program might leave it.
    void PutRaw(const std::string& key, DWORD type, const void* data, size_t size) {
        ASSERT_EQ(::RegSetKeyValueW(HKEY_CURRENT_USER, SectionPath().c_str(), Widen(key).c_str(), type, data,
                                    static_cast<DWORD>(size)),
                  ERROR_SUCCESS);
    }
    DWORD TypeOf(const std::string& key) const {
        DWORD type = REG_NONE;
        ::RegGetValueW(HKEY_CURRENT_USER, SectionPath().c_str(), Widen(key).c_str(), RRF_RT_ANY, &type, nullptr,
                       nullptr);
        return type;
    }

    inline static std::atomic<int> counter{0};
    const std::wstring base =
        L"Software\\PitchPilot Tests " + std::to_wstring(::GetCurrentProcessId()) + L"-" + std::to_wstring(counter++);
    win32::RegistrySettingsStore store{base};
};

TEST_F(SettingsStore, TextsComeBackExactlyAsStringValues) {
    const std::vector<std::string> texts = {
        "0",
        "",
        "  DEBUG_SHOOTOUT=1  Two  blanks ",
        "\xC3\x89quipe \xE2\x82\xAC \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x8F\x86",  // beyond the code page
        "line\r\nbreak\ttab",
        std::string(100000, 'x'),
    };
    for (size_t i = 0; i < texts.size(); ++i) {
        const std::string key = std::to_string(i) + "k";
        ASSERT_TRUE(store.Save(kApplication, kSection, key, texts[i])) << key;
        EXPECT_EQ(store.Get(kApplication, kSection, key), texts[i]) << key;
        EXPECT_EQ(TypeOf(key), static_cast<DWORD>(REG_SZ)) << key;
    }
    ASSERT_TRUE(store.Save(kApplication, kSection, "0k", "b"));
    EXPECT_EQ(store.Get(kApplication, kSection, "0k"), "b") << "saving again replaces the value";
}

TEST_F(SettingsStore, NamesAreTheirOwnAndAbsentOnesGiveNothing) {
    const std::string section = "S\xC3\xA9kt\xC3\xAFon";
    ASSERT_TRUE(store.Save(kApplication, section, "\xC3\xBC", "value"));
    EXPECT_EQ(store.Get(kApplication, section, "\xC3\xBC"), "value");
    EXPECT_EQ(store.Get(kApplication, section, "u"), std::nullopt);
    EXPECT_EQ(store.Get(kApplication, kSection, "\xC3\xBC"), std::nullopt);
    EXPECT_EQ(store.Get("OtherApplication", section, "\xC3\xBC"), std::nullopt);
}

TEST_F(SettingsStore, EmptyApplicationOrSectionIsRefused) {
    EXPECT_FALSE(store.Save("", kSection, "c2", "1"));
    EXPECT_FALSE(store.Save(kApplication, "", "c2", "1"));
    EXPECT_EQ(store.Get("", kSection, "c2"), std::nullopt);
    EXPECT_EQ(store.Get(kApplication, "", "c2"), std::nullopt);
    EXPECT_FALSE(KeyExists(base));
}

std::vector<BYTE> Bytes(const void* data, size_t size) {
    const BYTE* b = static_cast<const BYTE*>(data);
    return {b, b + size};
}

// Values that other hands put there: what can be read as text is, the rest reads as absent.
TEST_F(SettingsStore, ValuesOfOtherTypesAndShapes) {
    const DWORD one = 1, big = 0xFFFFFFFFu;
    const ULONGLONG huge = 5000000000ull;
    const wchar_t unterminated[] = {L'4', L'2'};
    const wchar_t embeddedNul[] = {L'7', L'\0', L'9', L'\0'};
    const wchar_t expand[] = L"%TEMP%\\x";
    const wchar_t multi[] = L"1\0002\0";
    const BYTE binary[] = {1, 0, 0, 0};
    const BYTE oddString[] = {'5', 0, '6'};
    const std::wstring tooLong(600000, L'y');
    const struct {
        const char* name;
        DWORD type;
        std::vector<BYTE> bytes;
        std::optional<std::string> read;
    } cases[] = {
        {"dword", REG_DWORD, Bytes(&one, sizeof one), "1"},
        {"dword all bits", REG_DWORD, Bytes(&big, sizeof big), "4294967295"},
        {"qword", REG_QWORD, Bytes(&huge, sizeof huge), "5000000000"},
        {"string without its NUL", REG_SZ, Bytes(unterminated, sizeof unterminated), "42"},
        {"string with a NUL inside", REG_SZ, Bytes(embeddedNul, sizeof embeddedNul), "7"},
        {"string of an odd length", REG_SZ, Bytes(oddString, sizeof oddString), "5"},
        {"empty string without NUL", REG_SZ, {}, ""},
        {"string of 600,000 letters", REG_SZ, Bytes(tooLong.data(), tooLong.size() * 2), std::string(600000, 'y')},
        {"expandable string", REG_EXPAND_SZ, Bytes(expand, sizeof expand), "%TEMP%\\x"},
        {"multi-string", REG_MULTI_SZ, Bytes(multi, sizeof multi), std::nullopt},
        {"binary", REG_BINARY, Bytes(binary, sizeof binary), std::nullopt},
        {"short dword", REG_DWORD, Bytes(binary, 2), std::nullopt},
        {"none", REG_NONE, {}, std::nullopt},
    };
    for (const auto& c : cases) {
        PutRaw(c.name, c.type, c.bytes.data(), c.bytes.size());
        EXPECT_EQ(store.Get(kApplication, kSection, c.name), c.read) << c.name;
        ASSERT_TRUE(store.Save(kApplication, kSection, c.name, "1"));
        EXPECT_EQ(TypeOf(c.name), static_cast<DWORD>(REG_SZ)) << c.name << ": a save writes text over it";
    }
}

}  // namespace
}  // namespace pp
