#include "state/registry_settings_store_win32.h"

#include <windows.h>

#include <cstring>
#include <vector>

#include "win32/handles.h"
#include "win32/text.h"

namespace pp::win32 {
namespace {

// Registry values are read whole; a value that keeps growing while it is read is given up on
// after a few tries rather than chased for ever.
constexpr int kReadAttempts = 4;

struct RawValue {
    DWORD type = REG_NONE;
    std::vector<BYTE> bytes;
};

// Only "not there" is an absent key; any other failure is one the caller must not take for it.
std::nullopt_t AbsentOrThrow(LSTATUS status) {
    if (status == ERROR_FILE_NOT_FOUND)
        return std::nullopt;
    throw SettingsError(ErrorDescription(static_cast<unsigned long>(status)));
}

// Most values fit the first buffer, so most reads are one call.
constexpr DWORD kFirstReadBytes = 256;

// ERROR_SUCCESS with the value read whole, or the status that stopped the read.
LSTATUS ReadRawValue(HKEY key, const std::wstring& name, RawValue& value) {
    DWORD size = kFirstReadBytes;
    LSTATUS status = ERROR_MORE_DATA;
    for (int attempt = 0; attempt < kReadAttempts && status == ERROR_MORE_DATA; ++attempt) {
        value.bytes.assign(size, 0);
        status = ::RegQueryValueExW(key, name.c_str(), nullptr, &value.type, value.bytes.data(), &size);
    }
    if (status == ERROR_SUCCESS)
        value.bytes.resize(size);
    return status;
}

// Reads from `section` while it is the key at `path`, else opens that key in its place.
LSTATUS ReadFromSection(UniqueRegistryKey& section,
                        std::wstring& sectionPath,
                        const std::wstring& path,
                        const std::wstring& name,
                        RawValue& value) {
    if (!section || sectionPath != path) {
        section.Reset();
        HKEY opened = nullptr;
        const LSTATUS status = ::RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_QUERY_VALUE, &opened);
        if (status != ERROR_SUCCESS)
            return status;
        section.Reset(opened);
        sectionPath = path;
    }
    return ReadRawValue(section.Get(), name, value);
}

// A string value need not end with a NUL, and may hold one before its end: the text is what
// stands before the first NUL, and an odd last byte is no character.
std::string TextOfStringValue(const std::vector<BYTE>& bytes) {
    const size_t count = bytes.size() / sizeof(wchar_t);
    std::wstring text(count, L'\0');
    if (count != 0)
        std::memcpy(text.data(), bytes.data(), count * sizeof(wchar_t));
    const size_t end = text.find(L'\0');
    if (end != std::wstring::npos)
        text.resize(end);
    return Narrow(text);
}

template <typename Number>
std::optional<std::string> DecimalOf(const std::vector<BYTE>& bytes) {
    if (bytes.size() < sizeof(Number))
        return std::nullopt;
    Number number = 0;
    std::memcpy(&number, bytes.data(), sizeof(Number));
    return std::to_string(number);
}

std::wstring SectionPath(const std::wstring& base, const std::string& application, const std::string& section) {
    return base + L"\\" + Widen(application) + L"\\" + Widen(section);
}

}  // namespace

// What a value of each registry type reads as: REG_SZ and REG_EXPAND_SZ their text as stored
// (environment references are not expanded); REG_DWORD and REG_QWORD, which a user may have set
// by hand, the decimal text of the unsigned number; every other type (binary, multi-string,
// none) is no text, as if the key were absent.
std::optional<std::string> RegistrySettingsStore::Get(const std::string& application,
                                                      const std::string& section,
                                                      const std::string& key) {
    if (application.empty() || section.empty())
        return std::nullopt;
    const std::wstring path = SectionPath(baseKey_, application, section), name = Widen(key);
    RawValue value;
    LSTATUS status = ReadFromSection(readSection_, readPath_, path, name, value);
    // The section was deleted since it was opened, and may have been made again since.
    if (status == ERROR_KEY_DELETED) {
        readSection_.Reset();
        status = ReadFromSection(readSection_, readPath_, path, name, value);
    }
    if (status != ERROR_SUCCESS)
        return AbsentOrThrow(status);
    switch (value.type) {
        case REG_SZ:
        case REG_EXPAND_SZ:
            return TextOfStringValue(value.bytes);
        case REG_DWORD:
            return DecimalOf<DWORD>(value.bytes);
        case REG_QWORD:
            return DecimalOf<ULONGLONG>(value.bytes);
        default:
            return std::nullopt;
    }
}

bool RegistrySettingsStore::Save(const std::string& application,
                                 const std::string& section,
                                 const std::string& key,
                                 const std::string& value) {
    if (application.empty() || section.empty())
        return false;
    HKEY created = nullptr;
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, SectionPath(baseKey_, application, section).c_str(), 0, nullptr,
                          REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, &created, nullptr) != ERROR_SUCCESS)
        return false;
    UniqueRegistryKey sectionKey(created);
    const std::wstring text = Widen(value);
    const DWORD size = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
    return ::RegSetValueExW(sectionKey.Get(), Widen(key).c_str(), 0, REG_SZ,
                            reinterpret_cast<const BYTE*>(text.c_str()), size) == ERROR_SUCCESS;
}

}  // namespace pp::win32
