#pragma once

#include <string>

namespace pp::test {

// A fresh folder under the system's temporary folder, removed with everything in it at the end
// of the scope. Its name holds a blank and a letter outside the system code page, so every test
// that uses it also proves that such paths work.
class TempFolder {
  public:
    explicit TempFolder(const std::string& prefix = "pp test");
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder's path without a trailing separator.
    const std::string& Path() const { return path_; }
    // Path() + "\" + relative.
    std::string operator/(const std::string& relative) const { return path_ + "\\" + relative; }

  private:
    std::string path_;
};

// Writes bytes to a file, creating the folders on its way.
void WriteFile(const std::string& path, const std::string& bytes);
// The file's bytes, or nothing (and false) when it cannot be read.
bool ReadFile(const std::string& path, std::string& bytes);
bool FileExists(const std::string& path);
void MakeFolders(const std::string& path);
// Copies a folder with everything in it to `to`; false when anything failed.
bool CopyFolder(const std::string& from, const std::string& to);
// The folder of the running test program, without a trailing separator.
std::string ProgramFolder();

}  // namespace pp::test
