#pragma once

#include <optional>
#include <stdexcept>
#include <string>

namespace pp {

class SettingsError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The per-user store of text values by (application, section, key).
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;

    // The stored text; nullopt when the key is not there or holds no text. A key that is there but
    // cannot be read (access denied, a damaged store) throws SettingsError: it is no first run.
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
