#include "tests/wine/support/picture_files.h"

#include <windows.h>

#include <objidl.h>

#include <gdiplus.h>

#include <vector>

#include "tests/wine/support/temp_folder.h"
#include "win32/text.h"

namespace pp::test {
namespace {

const wchar_t* MimeType(PictureFormat format) {
    switch (format) {
        case PictureFormat::Jpeg:
            return L"image/jpeg";
        case PictureFormat::Png:
            return L"image/png";
        case PictureFormat::Bmp:
            return L"image/bmp";
    }
    return L"";
}

bool FindEncoder(const wchar_t* mimeType, CLSID& encoder) {
    UINT count = 0, bytes = 0;
    if (Gdiplus::GetImageEncodersSize(&count, &bytes) != Gdiplus::Ok || bytes == 0)
        return false;
    std::vector<unsigned char> buffer(bytes);
    auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    if (Gdiplus::GetImageEncoders(count, bytes, codecs) != Gdiplus::Ok)
        return false;
    for (UINT i = 0; i < count; ++i) {
        if (::lstrcmpiW(codecs[i].MimeType, mimeType) == 0) {
            encoder = codecs[i].Clsid;
            return true;
        }
    }
    return false;
}

}  // namespace

bool WritePictureFile(const std::string& path,
                      int width,
                      int height,
                      PictureFormat format,
                      const std::function<uint32_t(int x, int y)>& colourAt) {
    const size_t slash = path.find_last_of('\\');
    if (slash != std::string::npos)
        MakeFolders(path.substr(0, slash));
    CLSID encoder{};
    if (!FindEncoder(MimeType(format), encoder))
        return false;
    Gdiplus::Bitmap bitmap(width, height, PixelFormat32bppARGB);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            bitmap.SetPixel(x, y, Gdiplus::Color(colourAt(x, y)));
    return bitmap.Save(win32::Widen(path).c_str(), &encoder, nullptr) == Gdiplus::Ok;
}

}  // namespace pp::test
