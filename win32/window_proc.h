#pragma once

// The one bridge from a window procedure to the object that owns the window. The object is handed
// over in CreateWindowExW's last argument, kept in the window's user data from WM_NCCREATE on, and
// its `OnMessage` answers every message after that. Only files of the Windows build include this.

#include <windows.h>

namespace pp::win32 {

// `Owner` has `HWND window_` reachable through `AttachWindow(HWND)` and
// `LRESULT OnMessage(UINT, WPARAM, LPARAM)`. An exception never unwinds into the system: a failed
// WM_CREATE refuses the window, any other message answers 0.
template <typename Owner>
LRESULT CALLBACK WindowProcOf(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* owner = static_cast<Owner*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
        owner->AttachWindow(window);
    }
    auto* owner = reinterpret_cast<Owner*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!owner)
        return ::DefWindowProcW(window, message, wParam, lParam);
    try {
        return owner->OnMessage(message, wParam, lParam);
    } catch (...) {
        return message == WM_CREATE ? -1 : 0;
    }
}

}  // namespace pp::win32
