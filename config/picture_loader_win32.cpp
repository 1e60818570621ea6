#include "config/picture_loader_win32.h"

#include <windows.h>

#include <objidl.h>

#include <gdiplus.h>

#include <cstring>
#include <memory>

#include "app/text_win32.h"

namespace pp::win32 {

// GDI+ counts its start-ups: every loader starts it with a token of its own and shuts down only that
// one, so GDI+ stays up while any loader lives.
GdiplusPictureLoader::GdiplusPictureLoader() {
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok)
        token_ = token;
}

GdiplusPictureLoader::~GdiplusPictureLoader() {
    if (token_)
        Gdiplus::GdiplusShutdown(static_cast<ULONG_PTR>(token_));
}

PictureRef GdiplusPictureLoader::Load(const std::string& path) {
    if (!token_ || path.empty())
        return nullptr;
    // The bitmap holds its file open while it lives, so it lives only for this call.
    auto bitmap = std::unique_ptr<Gdiplus::Bitmap>(Gdiplus::Bitmap::FromFile(Widen(path).c_str(), FALSE));
    if (!bitmap || bitmap->GetLastStatus() != Gdiplus::Ok)
        return nullptr;
    const UINT width = bitmap->GetWidth();
    const UINT height = bitmap->GetHeight();
    if (width == 0 || height == 0 || width > 0x7FFF || height > 0x7FFF)
        return nullptr;

    Gdiplus::Rect whole(0, 0, static_cast<INT>(width), static_cast<INT>(height));
    Gdiplus::BitmapData data{};
    if (bitmap->LockBits(&whole, Gdiplus::ImageLockModeRead, PixelFormat32bppARGB, &data) != Gdiplus::Ok)
        return nullptr;
    auto picture = std::make_shared<Picture>(static_cast<int>(width), static_cast<int>(height));
    const auto* source = static_cast<const unsigned char*>(data.Scan0);
    for (UINT y = 0; y < height; ++y) {
        // Stride may be negative for bottom-up data; each row is copied on its own.
        const unsigned char* row = source + static_cast<ptrdiff_t>(y) * data.Stride;
        std::memcpy(&picture->pixels[static_cast<size_t>(y) * width], row, static_cast<size_t>(width) * 4);
    }
    bitmap->UnlockBits(&data);
    return picture;
}

}  // namespace pp::win32
