#pragma once

#include "state/settings_store.h"

namespace pp::win32 {

// The per-user settings store in the registry: HKEY_CURRENT_USER\Software\<application>\<section>,
// one string value (REG_SZ) per key.
class RegistrySettingsStore : public SettingsStore {
public:
    std::optional<std::string> Get(const std::string& application,
                                   const std::string& section,
                                   const std::string& key) override;
    bool Save(const std::string& application,
              const std::string& section,
              const std::string& key,
              const std::string& value) override;
};

}  // namespace pp::win32
