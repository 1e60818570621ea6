#pragma once

#include <optional>
#include <string>

namespace pp {

// The per-user store of text values by (application, section, key).
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;

    // The stored text; nullopt when the key is absent or cannot be read as text.
    virtual std::optional<std::string> Get(const std::string& application,
                                           const std::string& section,
                                           const std::string& key) = 0;

    // Stores the text, creating the application, section and key as needed. False on failure.
    virtual bool Save(const std::string& application,
                      const std::string& section,
                      const std::string& key,
                      const std::string& value) = 0;
};

}  // namespace pp
