#include <gtest/gtest.h>
#include <optional>
#include <vector>

#include "config/picture_header.h"

namespace pp {
namespace {
std::string LittleEndian(int width, uint32_t n) {
    std::string bytes;
    for (int i = 0; i < width; ++i)
        bytes += static_cast<char>(n >> (8 * i));
    return bytes;
}
std::string BigEndian(int width, uint32_t n) {
    std::string bytes = LittleEndian(width, n);
    return {bytes.rbegin(), bytes.rend()};
}

std::string Segment(unsigned char marker, const std::string& payload) {
    return std::string("\xFF") + static_cast<char>(marker) + BigEndian(2, static_cast<uint32_t>(payload.size() + 2)) +
           payload;
}
std::string Frame(unsigned char marker, uint32_t width, uint32_t height) {
    return Segment(marker, "\x08" + BigEndian(2, height) + BigEndian(2, width) + std::string("\x01\x01\x11\x00", 4));
}
const std::string kStartOfImage = "\xFF\xD8";
const std::string kApp0 = Segment(0xE0, std::string("JFIF\0\x01\x01\0\0\x01\0\x01\0\0", 14));
const std::string kPngSignature = "\x89PNG\r\n\x1A\n";

std::string Png(uint32_t width, uint32_t height, const char* firstChunk = "IHDR") {
    return kPngSignature + BigEndian(4, 13) + firstChunk + BigEndian(4, width) + BigEndian(4, height) +
           std::string("\x08\x06\0\0\0", 5);
}
std::string Bmp(uint32_t headerSize, const std::string& sizes) {
    return "BM" + LittleEndian(4, 0) + LittleEndian(4, 0) + LittleEndian(4, 54) + LittleEndian(4, headerSize) + sizes +
           std::string(16, '\0');
}

TEST(DeclaredPictureSize, ReadFromTheHeaderOfEachFormat) {
    struct Case {
        const char* what;
        std::string bytes;
        std::optional<PictureSize> size;
    };
    const Case cases[] = {
        {"JPEG", kStartOfImage + kApp0 + Segment(0xDB, std::string(65, '\x01')) + Frame(0xC0, 72, 60), {{72, 60}}},
        {"progressive, fill, restart",
         kStartOfImage + "\xFF\xFF" + kApp0 + "\xFF\xD0" + Segment(0xFE, "") + Frame(0xC2, 9, 8), PictureSize{9, 8}},
        {"scan first", kStartOfImage + Segment(0xDA, "\x01") + Frame(0xC0, 8, 8), std::nullopt},
        {"JPEG cut short in its frame header", kStartOfImage + Frame(0xC0, 8, 8).substr(0, 6), std::nullopt},
        {"JPEG short segment", kStartOfImage + std::string("\xFF\xE0\x00\x01", 4) + Frame(0xC0, 8, 8), std::nullopt},
        {"JPEG of nothing but fill bytes", kStartOfImage + std::string(100000, '\xFF'), std::nullopt},
        {"PNG", Png(72, 72), PictureSize{72, 72}},
        {"PNG whose first chunk is not its header", Png(72, 72, "IDAT"), std::nullopt},
        {"PNG ending after its sizes", Png(72, 72).substr(0, 24), PictureSize{72, 72}},
        {"PNG cut short", Png(72, 72).substr(0, 23), std::nullopt},
        {"BMP", Bmp(40, LittleEndian(4, 72) + LittleEndian(4, 50)), PictureSize{72, 50}},
        {"BMP top down", Bmp(124, LittleEndian(4, 72) + LittleEndian(4, static_cast<uint32_t>(-50))),
         PictureSize{72, 50}},
        {"BMP 16, cut", Bmp(16, LittleEndian(4, 72) + LittleEndian(4, 50)).substr(0, 26), PictureSize{72, 50}},
        {"BMP with an unknown header", Bmp(8, LittleEndian(4, 72) + LittleEndian(4, 50)), std::nullopt},
        {"GIF", "GIF89a" + LittleEndian(2, 320) + LittleEndian(2, 200) + std::string(4, '\0'), PictureSize{320, 200}},
        {"text", "this is no picture", std::nullopt}};
    for (const Case& c : cases) {
        int reads = 0;  // read as the picture loader reads a file, a piece at a time
        const ReadFileBytes read = [&](uint64_t offset, size_t count) {
            ++reads;
            return offset >= c.bytes.size() ? std::string() : c.bytes.substr(static_cast<size_t>(offset), count);
        };
        EXPECT_EQ(DeclaredPictureSize(read), c.size) << c.what;
        EXPECT_LE(reads, 4097) << c.what;
    }
}

TEST(DecodablePictureSize, AtMostSixteenMegapixelsAndSidesThatFitSixteenBits) {
    for (const PictureSize size : {PictureSize{1, 1}, {4096, 4096}, {32767, 512}})
        EXPECT_TRUE(IsDecodablePictureSize(size)) << size.width << " x " << size.height;
    for (const PictureSize size : {PictureSize{4097, 4096}, {32768, 1}, {1, 32768}, {0, 10}, {-5, 10}})
        EXPECT_FALSE(IsDecodablePictureSize(size)) << size.width << " x " << size.height;
}
}  // namespace
}  // namespace pp
