#include <gtest/gtest.h>

#include <windows.h>

#include "config/picture_loader_win32.h"
#include "tests/wine/support/picture_files.h"
#include "tests/wine/support/temp_folder.h"
#include "win32/text.h"

namespace pp {
namespace {

// Within the error of a lossy encoding, channel by channel.
bool CloseTo(uint32_t actual, uint32_t expected) {
    constexpr int tolerance = 24;
    for (int shift : {24, 16, 8, 0}) {
        int a = static_cast<int>((actual >> shift) & 0xFF), e = static_cast<int>((expected >> shift) & 0xFF);
        if (a - e > tolerance || e - a > tolerance)
            return false;
    }
    return true;
}

class PictureFiles : public testing::Test {
  protected:
    win32::GdiplusPictureLoader loader;  // also keeps GDI+ running for the test's own encoding
    test::TempFolder dir;
};

TEST_F(PictureFiles, JpegDecodesToItsSizeAndColours) {
    const std::string path = dir / "logo5.jpg";
    ASSERT_TRUE(test::WritePictureFile(path, 32, 16, test::PictureFormat::Jpeg,
                                       [](int x, int) { return x < 16 ? 0xFFFF0000u : 0xFF0000FFu; }));
    PictureRef picture = loader.Load(path);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->width, 32);
    EXPECT_EQ(picture->height, 16);
    EXPECT_PRED2(CloseTo, picture->At(4, 8), 0xFFFF0000u);
    EXPECT_PRED2(CloseTo, picture->At(27, 8), 0xFF0000FFu);
}

TEST_F(PictureFiles, PngAndBmpKeepChannelOrderAndAlpha) {
    const uint32_t colours[2][3] = {{0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu}, {0x80102030u, 0x00000000u, 0xFFFFFFFFu}};
    auto colourAt = [&](int x, int y) { return colours[y][x]; };
    ASSERT_TRUE(test::WritePictureFile(dir / "p.png", 3, 2, test::PictureFormat::Png, colourAt));
    ASSERT_TRUE(test::WritePictureFile(dir / "p.bmp", 3, 2, test::PictureFormat::Bmp, colourAt));
    PictureRef png = loader.Load(dir / "p.png");
    PictureRef bmp = loader.Load(dir / "p.bmp");
    ASSERT_NE(png, nullptr);
    ASSERT_NE(bmp, nullptr);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) {
            EXPECT_EQ(png->At(x, y), colours[y][x]) << x << "," << y;
            if (colours[y][x] >> 24 == 0xFF) {
                EXPECT_EQ(bmp->At(x, y), colours[y][x]) << x << "," << y;
            }
        }
    }
}

TEST_F(PictureFiles, MissingEmptyAndCorruptFilesGiveNothing) {
    ASSERT_TRUE(test::WritePictureFile(dir / "good.jpg", 8, 8, test::PictureFormat::Jpeg,
                                       [](int, int) { return 0xFF808080u; }));
    std::string jpeg;
    ASSERT_TRUE(test::ReadFile(dir / "good.jpg", jpeg));
    test::WriteFile(dir / "corrupt.jpg", "this is not a picture at all");
    test::WriteFile(dir / "empty.jpg", "");
    test::WriteFile(dir / "header only.jpg", jpeg.substr(0, 4));
    test::MakeFolders(dir / "folder.jpg");

    for (const char* name :
         {"missing.jpg", "corrupt.jpg", "empty.jpg", "header only.jpg", "folder.jpg", "no such folder\\logo.jpg"})
        EXPECT_EQ(loader.Load(dir / name), nullptr) << name;
    EXPECT_EQ(loader.Load(""), nullptr);
    EXPECT_NE(loader.Load(dir / "good.jpg"), nullptr);
}

// GDI+ decodes a whole picture as it opens it: a 20000 by 20000 JPEG would take 1.6 GB. The
// header is read first and a picture over 16 megapixels, or with a side over 32767, is refused.
TEST_F(PictureFiles, PictureDeclaringMoreThanTheToolDrawsIsRefused) {
    struct Case {
        const char* name;
        uint16_t width, height;
        bool loads;
    };
    const std::vector<Case> cases = {
        {"huge.jpg", 20000, 20000, false},
        {"just over.jpg", 4097, 4096, false},
        {"wide.jpg", 40000, 1, false},
        {"as declared.jpg", 16, 16, true},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(test::WriteJpegDeclaring(dir / c.name, c.width, c.height)) << c.name;
        PictureRef picture = loader.Load(dir / c.name);
        EXPECT_EQ(picture != nullptr, c.loads) << c.name;
    }
}

TEST_F(PictureFiles, DoubledSeparatorIsAcceptedAndTheFileIsNotHeldOpen) {
    test::MakeFolders(dir / "data\\logos");
    ASSERT_TRUE(test::WritePictureFile(dir / "data\\logos\\logo1.jpg", 4, 4, test::PictureFormat::Jpeg,
                                       [](int, int) { return 0xFF00FF00u; }));
    PictureRef picture = loader.Load(dir.Path() + "\\\\data\\logos\\logo1.jpg");
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->width, 4);
    EXPECT_TRUE(::DeleteFileW(win32::Widen(dir / "data\\logos\\logo1.jpg").c_str()));
}

TEST(PictureLoaders, EachLoaderKeepsGdiplusRunningWhileItLives) {
    test::TempFolder dir;
    auto first = std::make_unique<win32::GdiplusPictureLoader>();
    ASSERT_TRUE(
        test::WritePictureFile(dir / "a.png", 2, 2, test::PictureFormat::Png, [](int, int) { return 0xFF010203u; }));
    win32::GdiplusPictureLoader second;
    first.reset();
    PictureRef picture = second.Load(dir / "a.png");
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->At(1, 1), 0xFF010203u);
}

}  // namespace
}  // namespace pp
