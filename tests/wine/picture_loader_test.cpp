// The picture loader against GDI+, with pictures that GDI+ itself encodes for the test.

#include <gtest/gtest.h>

#include <windows.h>

#include <memory>

#include "config/picture_loader_win32.h"
#include "tests/wine/support/files.h"
#include "win32/text.h"

namespace pp {
namespace {

constexpr uint32_t kColours[2][3] = {{0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu}, {0x80102030u, 0x00000000u, 0xFFFFFFFFu}};

// Blocks of 16 by 16 pixels, so that a lossy encoding keeps each block's colour at its middle.
Picture Blocks() {
    Picture picture(48, 32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 48; ++x)
            picture.At(x, y) = kColours[y / 16][x / 16];
    return picture;
}

// Within the error of a lossy encoding, channel by channel.
bool CloseTo(uint32_t actual, uint32_t expected) {
    for (int shift : {24, 16, 8, 0})
        if (std::abs(static_cast<int>((actual >> shift) & 0xFF) - static_cast<int>((expected >> shift) & 0xFF)) > 24)
            return false;
    return true;
}

class PictureLoader : public testing::Test {
  protected:
    win32::GdiplusPictureLoader loader;  // also keeps GDI+ running for the test's own encoding
    test::TempFolder dir;
};

TEST_F(PictureLoader, EachFormatDecodesToItsSizeChannelOrderAndAlphaAndTheFileIsLeftFree) {
    const struct {
        const char* name;
        test::PictureFormat format;
        bool keepsAlpha, lossy;
    } cases[] = {
        {"logo.png", test::PictureFormat::Png, true, false},
        {"logo.bmp", test::PictureFormat::Bmp, false, false},
        {"logo.jpg", test::PictureFormat::Jpeg, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(test::WritePicture(dir / c.name, Blocks(), c.format));
        const PictureRef picture = loader.Load(dir / c.name);
        ASSERT_NE(picture, nullptr);
        EXPECT_TRUE(picture->width == 48 && picture->height == 32);
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 3; ++x) {
                const uint32_t actual = picture->At(x * 16 + 8, y * 16 + 8), expected = kColours[y][x];
                if (!c.keepsAlpha && expected >> 24 != 0xFF)
                    continue;
                EXPECT_TRUE(c.lossy ? CloseTo(actual, expected) : actual == expected) << std::hex << actual;
            }
        EXPECT_TRUE(::DeleteFileW(win32::Widen(dir / c.name).c_str())) << "the file is not held open";
    }
}

TEST_F(PictureLoader, WhatIsNoPictureItCanDrawGivesNothing) {
    ASSERT_TRUE(test::WritePicture(dir / "good.jpg", Blocks(), test::PictureFormat::Jpeg));
    const std::string jpeg = test::ReadFile(dir / "good.jpg").value_or("");
    test::WriteFile(dir / "corrupt.jpg", "\xFF\xD8\xFF\xE0 this is no picture");
    test::WriteFile(dir / "truncated.jpg", jpeg.substr(0, jpeg.size() / 2));
    // GDI+ decodes a whole picture as it opens it, which at 20000 by 20000 pixels takes 1.6 GB. The
    // frame header (SOF0 of 17 bytes and 8 bits, then height and width) is made to declare that.
    std::string huge = jpeg;
    const size_t frame = huge.find("\xFF\xC0\x00\x11\x08", 0, 5);
    ASSERT_NE(frame, std::string::npos);
    test::WriteFile(dir / "huge.jpg", huge.replace(frame + 5, 4, "\x4E\x20\x4E\x20", 4));
    for (const char* name : {"missing.jpg", "corrupt.jpg", "truncated.jpg", "huge.jpg"})
        EXPECT_EQ(loader.Load(dir / name), nullptr) << name;
}

TEST(PictureLoaders, EachLoaderKeepsGdiplusRunningWhileItLives) {
    test::TempFolder dir;
    auto first = std::make_unique<win32::GdiplusPictureLoader>();
    ASSERT_TRUE(test::WritePicture(dir / "a.png", Blocks(), test::PictureFormat::Png));
    win32::GdiplusPictureLoader second;
    first.reset();
    EXPECT_NE(second.Load(dir / "a.png"), nullptr);
}

}  // namespace
}  // namespace pp
