#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace pp {

// A decoded picture: 32-bit pixels 0xAARRGGBB, rows top to bottom.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;

    Picture() = default;
    Picture(int w, int h, uint32_t fill = 0xFF000000u)
        : width(w), height(h), pixels(static_cast<size_t>(w) * static_cast<size_t>(h), fill) {}
    bool Empty() const { return width <= 0 || height <= 0; }
    uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + x]; }
    uint32_t& At(int x, int y) { return pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + x]; }
};

// Pictures are shared, never changed once made: assigning one to a control shares it.
using PictureRef = std::shared_ptr<const Picture>;

}  // namespace pp
