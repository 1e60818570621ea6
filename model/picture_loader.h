#pragma once

#include <string>

#include "model/picture.h"

namespace pp {

// Decodes a picture file (JPEG, PNG, BMP or GIF) into 32-bit pixels.
class PictureLoader {
  public:
    virtual ~PictureLoader() = default;
    // Null when the file is missing, unreadable or not a picture of those formats, and when its
    // header declares more pixels than IsDecodablePictureSize allows.
    virtual PictureRef Load(const std::string& path) = 0;
};

}  // namespace pp
