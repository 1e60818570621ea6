#pragma once

#include <string>

namespace pp {

// Runs a program or opens a document, folder or web address with the system's associated
// program, with the default verb and normal show mode, and returns at once without waiting.
class ShellOpener {
  public:
    virtual ~ShellOpener() = default;
    // `parameters` and `workingFolder` may be empty (none). False when the system refused.
    virtual bool Open(const std::string& file, const std::string& parameters, const std::string& workingFolder) = 0;
};

}  // namespace pp
