#pragma once

#include "model/picture_loader.h"

namespace pp::win32 {

// Decodes JPEG, PNG, BMP and GIF files with GDI+, once their header has shown a size the tool
// takes. GDI+ is started with the first loader and shut down with the last one.
class GdiplusPictureLoader : public PictureLoader {
  public:
    GdiplusPictureLoader();
    ~GdiplusPictureLoader() override;
    GdiplusPictureLoader(const GdiplusPictureLoader&) = delete;
    GdiplusPictureLoader& operator=(const GdiplusPictureLoader&) = delete;

    PictureRef Load(const std::string& path) override;

  private:
    unsigned long long token_ = 0;
};

}  // namespace pp::win32
