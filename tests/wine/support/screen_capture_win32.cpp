#include "tests/wine/support/screen_capture.h"

#include "win32/handles.h"

namespace pp::test {

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

}  // namespace pp::test
