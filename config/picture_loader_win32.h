#pragma once

#include <future>
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
    // A first decoding loads the system's codecs, which takes longer than a logo's own decoding; it
    // is done with a picture of one pixel while the tool starts, so the first logo does not wait.
    std::future<void> codecsReady_;
};

}  // namespace pp::win32
