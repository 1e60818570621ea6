#pragma once

#include <string>

namespace pp::test {

// A key of the test's own under HKEY_CURRENT_USER, "Software\PitchPilot Tests <pid>-<n>", to be
// handed to a settings store as its base key. It is deleted with everything below it at the end
// of the scope, so no test leaves anything in the registry and none touches the tool's real key.
class RegistryTestKey {
  public:
    RegistryTestKey();
    ~RegistryTestKey();
    RegistryTestKey(const RegistryTestKey&) = delete;
    RegistryTestKey& operator=(const RegistryTestKey&) = delete;

    // The path below HKEY_CURRENT_USER.
    const std::wstring& Path() const { return path_; }

  private:
    std::wstring path_;
};

// True when HKEY_CURRENT_USER holds the key.
bool RegistryKeyExists(const std::wstring& path);

}  // namespace pp::test
