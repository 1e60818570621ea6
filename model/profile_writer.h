#pragma once

#include <string>
#include <string_view>

namespace pp {

// Writes the game's user.ini, which the game and the system's profile functions read.
class ProfileWriter {
  public:
    virtual ~ProfileWriter() = default;
    // The text a reader of the file finds for `text` (UTF-8) once it is written: the file holds it
    // in the system's ANSI code page, where a character the code page lacks becomes the one the
    // system stores in its place: a look-alike where it has one (a fullwidth "［" a "[", an
    // ideographic space a blank, "Ā" an "A"), else "?". Writing the result writes the same bytes as
    // writing `text`.
    virtual std::string AsStored(std::string_view text) const = 0;
    // Writes `text` (UTF-8) as a new file in the system's ANSI code page, as the system's profile
    // functions store an ini file. Fails, writing nothing, when anything at all is at the path
    // already, so a file that could not be deleted is never mixed with new entries. False on failure.
    virtual bool WriteNewFile(const std::string& path, const std::string& text) = 0;
};

}  // namespace pp
