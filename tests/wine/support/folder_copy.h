#pragma once

#include <functional>
#include <string>

namespace pp::test {

// Calls `visit` for everything below `folder`, by its path relative to the folder, each folder
// before what it holds. False when a folder could not be read.
bool VisitFolder(const std::string& folder,
                 const std::function<void(const std::string& relative, bool isFolder)>& visit);

// Copies a folder with everything in it to `to`, which is made; false when anything failed.
bool CopyFolder(const std::string& from, const std::string& to);

}  // namespace pp::test
