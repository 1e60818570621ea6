#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace pp {

// The width and height a picture file declares, in pixels.
struct PictureSize {
    int64_t width = 0;
    int64_t height = 0;
    bool operator==(const PictureSize&) const = default;
};

// Reads up to `count` bytes of a file from `offset`: fewer at its end, none past it or when the
// read fails.
using ReadFileBytes = std::function<std::string(uint64_t offset, size_t count)>;

// The size declared in the header of a JPEG, PNG, BMP or GIF file, found without decoding a
// single pixel and reading only the few bytes of the headers. Nothing for any other file, or a
// header that is cut short or malformed.
std::optional<PictureSize> DeclaredPictureSize(const ReadFileBytes& read);

// The largest picture the tool decodes. A logo is 72 by 72 pixels; 16 megapixels (64 MB of
// decoded pixels) leave room for any picture a player may put in its place, and keep a huge or
// corrupt picture from asking for gigabytes before it can be refused.
inline constexpr int64_t kLargestPicturePixels = 16 * 1024 * 1024;
// A side beyond this would overflow the 16-bit coordinates of the drawing functions.
inline constexpr int64_t kLongestPictureSide = 0x7FFF;

// True for a size the tool decodes and draws.
bool IsDecodablePictureSize(const PictureSize& size);

}  // namespace pp
