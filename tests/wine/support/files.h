#pragma once

#include <optional>
#include <string>

#include "model/picture.h"
#include "win32/handles.h"

namespace pp::test {

// A fresh folder under the system's temporary folder, removed with everything in it at the end
// of the scope. Its name holds a blank and letters outside the system code page, so every test
// that uses it also proves that such paths work.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string operator/(const std::string& relative) const { return path_ + "\\" + relative; }

  private:
    std::string path_;
};

// Paths are UTF-8; the folder of a file written must exist.
void WriteFile(const std::string& path, const std::string& bytes);
std::optional<std::string> ReadFile(const std::string& path);
void MakeFolders(const std::string& path);
bool CopyFolder(const std::string& from, const std::string& to);
// The folder of the running test program: the build's bin folder.
std::string ProgramFolder();
// A handle of another program's that shares the file with no one; none for an empty path.
win32::UniqueFileHandle HoldOpen(const std::string& path);

// GDI+ knows its encoders by class ids that differ in their first number alone.
enum class PictureFormat : unsigned long { Bmp = 0x557CF400, Jpeg = 0x557CF401, Png = 0x557CF406 };
// Encoded by GDI+, which must be running (a GdiplusPictureLoader keeps it so).
bool WritePicture(const std::string& path, const Picture& picture, PictureFormat format);

}  // namespace pp::test
