#pragma once

#include <string>

#include "app/picture.h"

namespace pp {

// Decodes a picture file (JPEG, PNG or BMP) into 32-bit pixels.
class PictureLoader {
  public:
    virtual ~PictureLoader() = default;
    // Null when the file is missing, unreadable or not a picture.
    virtual PictureRef Load(const std::string& path) = 0;
};

}  // namespace pp
