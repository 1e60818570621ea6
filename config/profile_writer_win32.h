#pragma once

#include "model/profile_writer.h"

namespace pp::win32 {

// user.ini written whole, in one write. The system's profile functions rewrite the whole file for
// every section they are given, which makes a cheat text of many sections take minutes.
class WindowsProfileWriter : public ProfileWriter {
  public:
    std::string AsStored(std::string_view text) const override;
    bool WriteNewFile(const std::string& path, const std::string& text) override;
};

}  // namespace pp::win32
