#include "tests/wine/support/registry_test_key.h"

#include <windows.h>

#include <atomic>

#include "win32/handles.h"

namespace pp::test {

RegistryTestKey::RegistryTestKey() {
    static std::atomic<int> counter{0};
    path_ =
        L"Software\\PitchPilot Tests " + std::to_wstring(::GetCurrentProcessId()) + L"-" + std::to_wstring(counter++);
    ::RegDeleteTreeW(HKEY_CURRENT_USER, path_.c_str());
}

RegistryTestKey::~RegistryTestKey() {
    ::RegDeleteTreeW(HKEY_CURRENT_USER, path_.c_str());
    ::RegDeleteKeyW(HKEY_CURRENT_USER, path_.c_str());
}

bool RegistryKeyExists(const std::wstring& path) {
    HKEY opened = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return false;
    win32::UniqueRegistryKey key(opened);
    return true;
}

}  // namespace pp::test
