#pragma once

#include <string>
#include <utility>
#include <vector>

namespace pp {

// The system's profile writer behind user.ini: creates the file when missing, adds a section at
// the end and a key at the end of its section, replaces the value of an existing key in place;
// section and key names match without regard to case. An empty section name is a section of its
// own, kept apart from every named one.
class ProfileWriter {
  public:
    virtual ~ProfileWriter() = default;
    // False when the entry could not be written.
    virtual bool WriteEntry(const std::string& section,
                            const std::string& key,
                            const std::string& value,
                            const std::string& filePath) = 0;

    // Writes the whole section at once, replacing what the file held under that name: the same
    // file as one WriteEntry per entry, in one write instead of one per key. False on failure.
    virtual bool WriteSection(const std::string& section,
                              const std::vector<std::pair<std::string, std::string>>& entries,
                              const std::string& filePath) = 0;
};

}  // namespace pp
