#pragma once

#include <string>

namespace pp {

// Writes the game's user.ini, which the game and the system's profile functions read.
class ProfileWriter {
  public:
    virtual ~ProfileWriter() = default;
    // Writes `text` (UTF-8) as a new file in the system's ANSI code page, as the system's profile
    // functions store an ini file; a character the code page lacks becomes "?". Fails, writing
    // nothing, when anything at all is at the path already, so a file that could not be deleted
    // is never mixed with new entries. False on failure.
    virtual bool WriteNewFile(const std::string& path, const std::string& text) = 0;
};

}  // namespace pp
