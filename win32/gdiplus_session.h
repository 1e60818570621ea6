#pragma once

// GDI+ counts its start-ups and shut-downs: each user holds a session of its own for as long as it
// draws or decodes, and GDI+ stays up while any session lives.

#include <windows.h>

#include <objidl.h>

#include <gdiplus.h>

namespace pp::win32 {

class GdiplusSession {
  public:
    GdiplusSession() {
        Gdiplus::GdiplusStartupInput input;
        if (Gdiplus::GdiplusStartup(&token_, &input, nullptr) != Gdiplus::Ok)
            token_ = 0;
    }
    ~GdiplusSession() {
        if (token_)
            Gdiplus::GdiplusShutdown(token_);
    }
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;

    // False when GDI+ could not start; nothing may then be drawn or decoded.
    bool Running() const { return token_ != 0; }

  private:
    ULONG_PTR token_ = 0;
};

}  // namespace pp::win32
