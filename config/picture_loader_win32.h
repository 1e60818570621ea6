#pragma once

#include <memory>

#include "model/picture_loader.h"

namespace pp::win32 {

class GdiplusSession;

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
    std::unique_ptr<GdiplusSession> session_;
};

}  // namespace pp::win32
