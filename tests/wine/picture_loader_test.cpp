// The picture loader against GDI+, with pictures that GDI+ itself encodes for the test.

#include <gtest/gtest.h>

#include <windows.h>

#include <memory>

#include "config/picture_loader_win32.h"
#include "tests/wine/support/picture_files.h"
#include "tests/wine/support/temp_folder.h"
#include "win32/text.h"

namespace pp {
namespace {

// Within the error of a lossy encoding, channel by channel.
bool CloseTo(uint32_t actual, uint32_t expected) {
    for (int shift : {24, 16, 8, 0}) {
        const int a = static_cast<int>((actual >> shift) & 0xFF), e = static_cast<int>((expected >> shift) & 0xFF);
        if (a - e > 24 || e - a > 24)
            return false;
    }
    return true;
}

// A small JPEG whose frame header declares `width` by `height` pixels: what a picture of that
// size costs to decode, without the file being that big.
bool WriteJpegDeclaring(const std::string& path, uint16_t width, uint16_t height) {
    std::string bytes;
    if (!test::WritePictureFile(path, 16, 16, test::PictureFormat::Jpeg, [](int, int) { return 0xFF336699u; }) ||
        !test::ReadFile(path, bytes))
        return false;
    // The segments after the start of image, each a marker and its length, up to the frame header.
    for (size_t at = 2; at + 9 <= bytes.size();) {
        const auto marker = static_cast<unsigned char>(bytes[at + 1]);
        if (static_cast<unsigned char>(bytes[at]) != 0xFF || marker == 0xDA)
            return false;
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC) {
            const char size[] = {static_cast<char>(height >> 8), static_cast<char>(height),
                                 static_cast<char>(width >> 8), static_cast<char>(width)};
            bytes.replace(at + 5, 4, size, 4);
            test::WriteFile(path, bytes);
            return true;
        }
        at += 2 + (static_cast<unsigned char>(bytes[at + 2]) << 8 | static_cast<unsigned char>(bytes[at + 3]));
    }
    return false;
}

class PictureLoader : public testing::Test {
  protected:
    win32::GdiplusPictureLoader loader;  // also keeps GDI+ running for the test's own encoding
    test::TempFolder dir;
};

TEST_F(PictureLoader, EachFormatDecodesToItsSizeChannelOrderAndAlpha) {
    const uint32_t colours[2][3] = {{0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu}, {0x80102030u, 0x00000000u, 0xFFFFFFFFu}};
    const struct {
        const char* name;
        test::PictureFormat format;
        bool keepsAlpha, lossy;
    } cases[] = {
        {"logo \xE6\x97\xA5.png", test::PictureFormat::Png, true, false},
        {"logo.bmp", test::PictureFormat::Bmp, false, false},
        {"logo.jpg", test::PictureFormat::Jpeg, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // Big blocks of one colour, so that a lossy encoding keeps each block's colour at its middle.
        ASSERT_TRUE(test::WritePictureFile(dir / c.name, 48, 32, c.format,
                                           [&](int x, int y) { return colours[y / 16][x / 16]; }));
        const PictureRef picture = loader.Load(dir / c.name);
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(picture->width, 48);
        EXPECT_EQ(picture->height, 32);
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 3; ++x) {
                const uint32_t expected = colours[y][x];
                if (!c.keepsAlpha && expected >> 24 != 0xFF)
                    continue;
                const uint32_t actual = picture->At(x * 16 + 8, y * 16 + 8);
                EXPECT_TRUE(c.lossy ? CloseTo(actual, expected) : actual == expected)
                    << std::hex << actual << " for " << expected;
            }
    }
}

TEST_F(PictureLoader, WhatIsNoPictureItCanDrawGivesNothing) {
    ASSERT_TRUE(test::WritePictureFile(dir / "good.jpg", 8, 8, test::PictureFormat::Jpeg,
                                       [](int, int) { return 0xFF808080u; }));
    std::string jpeg;
    ASSERT_TRUE(test::ReadFile(dir / "good.jpg", jpeg));
    test::WriteFile(dir / "corrupt.jpg", "\xFF\xD8\xFF\xE0 this is no picture");
    test::WriteFile(dir / "empty.jpg", "");
    test::WriteFile(dir / "header only.jpg", jpeg.substr(0, 4));
    test::WriteFile(dir / "truncated.jpg", jpeg.substr(0, jpeg.size() / 2));
    test::MakeFolders(dir / "folder.jpg");
    // GDI+ decodes a whole picture as it opens it: a 20000 by 20000 JPEG would take 1.6 GB.
    ASSERT_TRUE(WriteJpegDeclaring(dir / "huge.jpg", 20000, 20000));
    ASSERT_TRUE(WriteJpegDeclaring(dir / "just over.jpg", 4097, 4096));
    ASSERT_TRUE(WriteJpegDeclaring(dir / "wide.jpg", 40000, 1));
    for (const char* name : {"missing.jpg", "corrupt.jpg", "empty.jpg", "header only.jpg", "truncated.jpg",
                             "folder.jpg", "no such folder\\logo.jpg", "huge.jpg", "just over.jpg", "wide.jpg"})
        EXPECT_EQ(loader.Load(dir / name), nullptr) << name;
    EXPECT_EQ(loader.Load(""), nullptr);
    EXPECT_NE(loader.Load(dir / "good.jpg"), nullptr);
}

TEST_F(PictureLoader, TheFileIsNotHeldOpenAfterwards) {
    ASSERT_TRUE(test::WritePictureFile(dir / "logo1.jpg", 4, 4, test::PictureFormat::Jpeg,
                                       [](int, int) { return 0xFF00FF00u; }));
    ASSERT_NE(loader.Load(dir.Path() + "\\\\logo1.jpg"), nullptr) << "a doubled separator is taken";
    EXPECT_TRUE(::DeleteFileW(win32::Widen(dir / "logo1.jpg").c_str()));
}

TEST(PictureLoaders, EachLoaderKeepsGdiplusRunningWhileItLives) {
    test::TempFolder dir;
    auto first = std::make_unique<win32::GdiplusPictureLoader>();
    ASSERT_TRUE(
        test::WritePictureFile(dir / "a.png", 2, 2, test::PictureFormat::Png, [](int, int) { return 0xFF010203u; }));
    win32::GdiplusPictureLoader second;
    first.reset();
    const PictureRef picture = second.Load(dir / "a.png");
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->At(1, 1), 0xFF010203u);
}

}  // namespace
}  // namespace pp
