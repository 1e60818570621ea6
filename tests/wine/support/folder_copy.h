#pragma once

#include <string>

namespace pp::test {

// Copies a folder with everything in it to `to`, which is made; false when anything failed.
bool CopyFolder(const std::string& from, const std::string& to);

}  // namespace pp::test
