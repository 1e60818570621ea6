#pragma once

#include "model/profile_writer.h"

namespace pp::win32 {

// user.ini through the system's profile writer (WritePrivateProfileStringW).
class WindowsProfileWriter : public ProfileWriter {
  public:
    bool WriteEntry(const std::string& section,
                    const std::string& key,
                    const std::string& value,
                    const std::string& filePath) override;
    bool WriteSection(const std::string& section,
                      const std::vector<std::pair<std::string, std::string>>& entries,
                      const std::string& filePath) override;
};

}  // namespace pp::win32
