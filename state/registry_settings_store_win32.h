#pragma once

#include <string>

#include "model/settings_store.h"
#include "win32/handles.h"

namespace pp::win32 {

// The per-user settings store in the registry: HKEY_CURRENT_USER\<base>\<application>\<section>,
// one string value (REG_SZ) per key. The base is "Software"; tests give one of their own, so they
// never touch the tool's real key. A value that was set by other means reads as text when it can:
// REG_EXPAND_SZ as its unexpanded text, REG_DWORD and REG_QWORD as the decimal text of the
// unsigned number; binary and other types read as absent. One thread uses a store at a time.
class RegistrySettingsStore : public SettingsStore {
  public:
    explicit RegistrySettingsStore(std::wstring baseKey = L"Software") : baseKey_(std::move(baseKey)) {}

    std::optional<std::string> Get(const std::string& application,
                                   const std::string& section,
                                   const std::string& key) override;
    bool Save(const std::string& application,
              const std::string& section,
              const std::string& key,
              const std::string& value) override;

  private:
    std::wstring baseKey_;
    // The section last read stays open: the start-up reads some fifty values from one section, and
    // under Wine every open and close of a key is a call to its server.
    std::wstring readPath_;
    UniqueRegistryKey readSection_;
};

}  // namespace pp::win32
