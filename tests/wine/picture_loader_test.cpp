#include <gtest/gtest.h>

#include <windows.h>

#include <objidl.h>

#include <gdiplus.h>

#include <memory>

#include "config/picture_loader_win32.h"
#include "tests/wine/support/harness.h"
#include "win32/text.h"

namespace pp {
namespace {

// GDI+ knows its encoders by class ids that differ in their first number alone.
enum class PictureFormat : unsigned long { Jpeg = 0x557CF401, Png = 0x557CF406 };
bool WritePicture(const std::string& path, const Picture& picture, PictureFormat format) {
    const CLSID encoder = {
        static_cast<unsigned long>(format), 0x1A04, 0x11D3, {0x9A, 0x73, 0, 0, 0xF8, 0x1E, 0xF3, 0x2E}};
    // GDI+ reads the pixels in place to save them, and never writes them.
    auto* pixels = reinterpret_cast<BYTE*>(const_cast<uint32_t*>(picture.pixels.data()));
    Gdiplus::Bitmap bitmap(picture.width, picture.height, picture.width * 4, PixelFormat32bppARGB, pixels);
    return bitmap.Save(win32::Widen(path).c_str(), &encoder, nullptr) == Gdiplus::Ok;
}

class PictureLoader : public testing::Test {
  protected:
    test::TempFolder dir;
    win32::GdiplusPictureLoader loader;  // also keeps GDI+ running for the test's own encoding
};

TEST_F(PictureLoader, APictureKeepsItsSizeChannelOrderAndAlphaAndTheFileIsLeftFree) {
    std::make_unique<win32::GdiplusPictureLoader>().reset();  // GDI+ runs while any loader lives
    Picture colours(3, 2);
    colours.pixels = {0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu, 0x80102030u, 0x00000000u, 0xFFFFFFFFu};
    ASSERT_TRUE(WritePicture(dir / "logo.png", colours, PictureFormat::Png));
    const PictureRef picture = loader.Load(dir / "logo.png");
    ASSERT_NE(picture, nullptr);
    EXPECT_TRUE(picture->width == 3 && picture->height == 2);
    EXPECT_EQ(picture->pixels, colours.pixels);
    EXPECT_TRUE(::DeleteFileW(win32::Widen(dir / "logo.png").c_str())) << "the file is not held open";
}

TEST_F(PictureLoader, WhatIsNoPictureItCanDrawGivesNothing) {
    ASSERT_TRUE(WritePicture(dir / "good.jpg", Picture(16, 16, 0xFF336699u), PictureFormat::Jpeg));
    std::string jpeg = test::ReadFile(dir / "good.jpg").value_or("");
    EXPECT_NE(loader.Load(dir / "good.jpg"), nullptr);
    test::WriteFile(dir / "corrupt.jpg", "\xFF\xD8\xFF\xE0 this is no picture");
    test::WriteFile(dir / "truncated.jpg", jpeg.substr(0, jpeg.size() / 2));
    // GDI+ would decode 20000 by 20000 pixels (1.6 GB) as it opens it: SOF0, 17 bytes, 8 bits, h, w.
    const size_t frame = jpeg.find("\xFF\xC0\x00\x11\x08", 0, 5);
    ASSERT_NE(frame, std::string::npos);
    test::WriteFile(dir / "huge.jpg", jpeg.replace(frame + 5, 4, "\x4E\x20\x4E\x20", 4));
    for (const char* name : {"missing.jpg", "corrupt.jpg", "truncated.jpg", "huge.jpg"})
        EXPECT_EQ(loader.Load(dir / name), nullptr) << name;
}

}  // namespace
}  // namespace pp
