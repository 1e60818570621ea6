#include "config/picture_loader_win32.h"

#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <system_error>

#include "config/picture_header.h"
#include "win32/com.h"
#include "win32/gdiplus_session.h"
#include "win32/handles.h"
#include "win32/text.h"

namespace pp::win32 {
namespace {

// The size the file's header declares, read with a handle of its own that is closed before GDI+
// opens the file. Nothing when the file cannot be opened or its header is not one the tool knows.
std::optional<PictureSize> DeclaredSizeOfFile(const std::wstring& path) {
    UniqueFileHandle file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return std::nullopt;
    return DeclaredPictureSize([&file](uint64_t offset, size_t count) {
        std::string bytes(count, '\0');
        OVERLAPPED at{};
        at.Offset = static_cast<DWORD>(offset);
        at.OffsetHigh = static_cast<DWORD>(offset >> 32);
        DWORD read = 0;
        if (!::ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(count), &read, &at))
            read = 0;
        bytes.resize(read);
        return bytes;
    });
}

// Decodes a bitmap file of one pixel, made here, from memory: the codecs are then loaded.
void LoadCodecs() {
    struct OnePixelBitmap {
        BITMAPFILEHEADER file;
        BITMAPINFOHEADER info;
        DWORD pixel;
    };
    OnePixelBitmap bitmap{};
    bitmap.file.bfType = 0x4D42;  // "BM"
    bitmap.file.bfSize = sizeof(bitmap.file) + sizeof(bitmap.info) + sizeof(bitmap.pixel);
    bitmap.file.bfOffBits = sizeof(bitmap.file) + sizeof(bitmap.info);
    bitmap.info = {sizeof(bitmap.info), 1, 1, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    ComOwner<IStream> stream;
    if (FAILED(::CreateStreamOnHGlobal(nullptr, TRUE, stream.Put())))
        return;
    // The three parts are written one by one: the structure has room between them.
    ULONG written = 0;
    stream->Write(&bitmap.file, sizeof(bitmap.file), &written);
    stream->Write(&bitmap.info, sizeof(bitmap.info), &written);
    stream->Write(&bitmap.pixel, sizeof(bitmap.pixel), &written);
    stream->Seek({}, STREAM_SEEK_SET, nullptr);
    std::unique_ptr<Gdiplus::Bitmap> decoded(Gdiplus::Bitmap::FromStream(stream.Get()));
}

}  // namespace

// Every loader holds a GDI+ session of its own, so GDI+ stays up while any loader lives.
GdiplusPictureLoader::GdiplusPictureLoader() : session_(std::make_unique<GdiplusSession>()) {
    if (!session_->Running())
        return;
    try {
        codecsReady_ = std::async(std::launch::async, LoadCodecs);
    } catch (const std::system_error&) {
        // No thread to spare: the first picture loads them.
    }
}

// The codecs' loading is waited for before GDI+ may shut down.
GdiplusPictureLoader::~GdiplusPictureLoader() = default;

PictureRef GdiplusPictureLoader::Load(const std::string& path) {
    if (!session_->Running() || path.empty())
        return nullptr;
    const std::wstring widePath = Widen(path);
    // GDI+ decodes the whole picture as it opens the file; a header that asks for more than the
    // tool draws is refused before that, so a huge or corrupt picture costs no gigabytes.
    std::optional<PictureSize> declared = DeclaredSizeOfFile(widePath);
    if (!declared || !IsDecodablePictureSize(*declared))
        return nullptr;
    // The bitmap holds its file open while it lives, so it lives only for this call.
    auto bitmap = std::unique_ptr<Gdiplus::Bitmap>(Gdiplus::Bitmap::FromFile(widePath.c_str(), FALSE));
    if (!bitmap || bitmap->GetLastStatus() != Gdiplus::Ok)
        return nullptr;
    const UINT width = bitmap->GetWidth();
    const UINT height = bitmap->GetHeight();
    // The file may have changed since its header was read.
    if (!IsDecodablePictureSize({width, height}))
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
