#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace pp::test {

enum class PictureFormat { Jpeg, Png, Bmp };

// Writes a picture file of the given size, each pixel 0xAARRGGBB from `colourAt`, encoded by
// GDI+, and creates the folders on its way. GDI+ must be running (a GdiplusPictureLoader keeps it
// running). False when it failed.
bool WritePictureFile(const std::string& path,
                      int width,
                      int height,
                      PictureFormat format,
                      const std::function<uint32_t(int x, int y)>& colourAt);

}  // namespace pp::test
