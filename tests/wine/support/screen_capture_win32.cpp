#include "tests/wine/support/screen_capture.h"

#include <objidl.h>

#include <gdiplus.h>

#include <memory>
#include <vector>

#include "tests/wine/support/temp_folder.h"
#include "win32/handles.h"
#include "win32/text.h"

namespace pp::test {
namespace {

namespace G = Gdiplus;

// The encoder GDI+ has for a format, by its MIME type.
bool FindEncoder(const wchar_t* mimeType, CLSID& encoder) {
    UINT count = 0, bytes = 0;
    if (G::GetImageEncodersSize(&count, &bytes) != G::Ok || bytes == 0)
        return false;
    std::vector<BYTE> buffer(bytes);
    auto* codecs = reinterpret_cast<G::ImageCodecInfo*>(buffer.data());
    if (G::GetImageEncoders(count, bytes, codecs) != G::Ok)
        return false;
    for (UINT i = 0; i < count; ++i) {
        if (std::wstring(codecs[i].MimeType) == mimeType) {
            encoder = codecs[i].Clsid;
            return true;
        }
    }
    return false;
}

}  // namespace

Picture CaptureClientArea(HWND window) {
    RECT client{};
    if (!::GetClientRect(window, &client) || client.right <= 0 || client.bottom <= 0)
        return {};
    POINT origin{0, 0};
    ::ClientToScreen(window, &origin);
    Picture picture(client.right, client.bottom);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = picture.width;
    info.bmiHeader.biHeight = -picture.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;

    win32::WindowDc screen(nullptr);
    win32::MemoryDc memory(screen.Get());
    void* bits = nullptr;
    win32::UniqueBitmap bitmap(::CreateDIBSection(screen.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!screen.Get() || !memory.Get() || !bitmap || !bits)
        return {};
    {
        win32::SelectedObject select(memory.Get(), bitmap.Get());
        if (!::BitBlt(memory.Get(), 0, 0, picture.width, picture.height, screen.Get(), origin.x, origin.y, SRCCOPY))
            return {};
        ::GdiFlush();
    }
    const auto* pixels = static_cast<const uint32_t*>(bits);
    for (size_t i = 0; i < picture.pixels.size(); ++i)
        picture.pixels[i] = pixels[i] | 0xFF000000u;
    return picture;
}

bool SavePng(const Picture& picture, const std::string& path) {
    if (picture.Empty())
        return false;
    G::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    if (G::GdiplusStartup(&token, &input, nullptr) != G::Ok)
        return false;
    bool saved = false;
    {
        CLSID png{};
        G::Bitmap bitmap(picture.width, picture.height, picture.width * 4, PixelFormat32bppARGB,
                         reinterpret_cast<BYTE*>(const_cast<uint32_t*>(picture.pixels.data())));
        const size_t slash = path.find_last_of('\\');
        if (slash != std::string::npos)
            MakeFolders(path.substr(0, slash));
        saved = FindEncoder(L"image/png", png) && bitmap.GetLastStatus() == G::Ok &&
                bitmap.Save(win32::Widen(path).c_str(), &png, nullptr) == G::Ok;
    }
    G::GdiplusShutdown(token);
    return saved;
}

}  // namespace pp::test
