#include "config/picture_header.h"

#include <string_view>

namespace pp {
namespace {

// A JPEG may put any number of fill bytes and segments ahead of its frame header; real files have
// a few dozen. The bound keeps a file of nothing but markers from being walked byte by byte.
constexpr int kMostJpegSteps = 4096;

uint32_t Byte(std::string_view bytes, size_t at) {
    return static_cast<unsigned char>(bytes[at]);
}
uint32_t BigEndian16(std::string_view bytes, size_t at) {
    return Byte(bytes, at) << 8 | Byte(bytes, at + 1);
}
uint32_t BigEndian32(std::string_view bytes, size_t at) {
    return BigEndian16(bytes, at) << 16 | BigEndian16(bytes, at + 2);
}
uint32_t LittleEndian16(std::string_view bytes, size_t at) {
    return Byte(bytes, at) | Byte(bytes, at + 1) << 8;
}
uint32_t LittleEndian32(std::string_view bytes, size_t at) {
    return LittleEndian16(bytes, at) | LittleEndian16(bytes, at + 2) << 16;
}
int64_t SignedLittleEndian32(std::string_view bytes, size_t at) {
    return static_cast<int32_t>(LittleEndian32(bytes, at));
}

bool StartsWith(std::string_view bytes, std::string_view signature) {
    return bytes.substr(0, signature.size()) == signature;
}

// Frame headers: every SOFn marker from C0 to CF except C4 (Huffman tables), C8 (reserved) and CC
// (arithmetic coding conditions).
bool IsFrameHeader(uint32_t marker) {
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

// Markers that stand alone, without a length: restart markers and TEM.
bool StandsAlone(uint32_t marker) {
    return (marker >= 0xD0 && marker <= 0xD7) || marker == 0x01;
}

// Walks the segments from the start of image to the first frame header, which holds the size.
// The scan data, which comes after it, is never reached.
std::optional<PictureSize> JpegSize(const ReadFileBytes& read) {
    uint64_t at = 2;
    for (int step = 0; step < kMostJpegSteps; ++step) {
        const std::string head = read(at, 4);
        if (head.size() < 2 || Byte(head, 0) != 0xFF)
            return std::nullopt;
        const uint32_t marker = Byte(head, 1);
        if (marker == 0xFF) {  // a fill byte ahead of the marker
            at += 1;
            continue;
        }
        if (StandsAlone(marker)) {
            at += 2;
            continue;
        }
        // Another start of image, the end of the image or its scan before any frame header.
        if (marker == 0x00 || marker == 0xD8 || marker == 0xD9 || marker == 0xDA || head.size() < 4)
            return std::nullopt;
        const uint32_t length = BigEndian16(head, 2);
        if (length < 2)
            return std::nullopt;
        if (IsFrameHeader(marker)) {
            const std::string frame = read(at + 4, 5);  // precision, height, width
            if (frame.size() < 5)
                return std::nullopt;
            return PictureSize{BigEndian16(frame, 3), BigEndian16(frame, 1)};
        }
        at += 2 + length;
    }
    return std::nullopt;
}

// The signature, then the IHDR chunk, which must come first: its length, its type, the width
// and the height.
std::optional<PictureSize> PngSize(std::string_view head) {
    if (head.size() < 24 || head.substr(12, 4) != "IHDR")
        return std::nullopt;
    return PictureSize{BigEndian32(head, 16), BigEndian32(head, 20)};
}

// The file header, then the size of the bitmap header: 12 for the old header with 16-bit sizes,
// 16 and more for the later ones with 32-bit sizes. A negative height means the rows run from the
// top down; a negative width means nothing.
std::optional<PictureSize> BmpSize(std::string_view head) {
    if (head.size() < 22)
        return std::nullopt;
    const uint32_t headerSize = LittleEndian32(head, 14);
    if (headerSize == 12)
        return PictureSize{LittleEndian16(head, 18), LittleEndian16(head, 20)};
    if (headerSize < 16 || head.size() < 26)
        return std::nullopt;
    const int64_t height = SignedLittleEndian32(head, 22);
    return PictureSize{SignedLittleEndian32(head, 18), height < 0 ? -height : height};
}

// The logical screen of the file, which every frame is drawn on.
std::optional<PictureSize> GifSize(std::string_view head) {
    if (head.size() < 10)
        return std::nullopt;
    return PictureSize{LittleEndian16(head, 6), LittleEndian16(head, 8)};
}

}  // namespace

std::optional<PictureSize> DeclaredPictureSize(const ReadFileBytes& read) {
    const std::string head = read(0, 26);
    if (StartsWith(head, "\xFF\xD8"))
        return JpegSize(read);
    if (StartsWith(head, "\x89PNG\r\n\x1A\n"))
        return PngSize(head);
    if (StartsWith(head, "BM"))
        return BmpSize(head);
    if (StartsWith(head, "GIF87a") || StartsWith(head, "GIF89a"))
        return GifSize(head);
    return std::nullopt;
}

bool IsDecodablePictureSize(const PictureSize& size) {
    return size.width > 0 && size.height > 0 && size.width <= kLongestPictureSide &&
           size.height <= kLongestPictureSide && size.width * size.height <= kLargestPicturePixels;
}

}  // namespace pp
