#pragma once

#include <windows.h>

#include <string>

#include "model/form1.h"
#include "model/resource_ids.h"
#include "win32/text.h"

namespace pp::win32 {

// A message of the tool's, with its title and icon; the button the player chose.
inline int ShowToolMessage(HWND owner, const std::string& text, UINT buttons = MB_OK) {
    const std::wstring wide = Widen(text), title = Widen(kApplicationTitle);
    MSGBOXPARAMSW box{};
    box.cbSize = sizeof(box);
    box.hwndOwner = owner;
    box.hInstance = ::GetModuleHandleW(nullptr);
    box.lpszText = wide.c_str();
    box.lpszCaption = title.c_str();
    box.dwStyle = buttons | MB_USERICON;
    box.lpszIcon = MAKEINTRESOURCEW(IDI_PitchPilot);
    return ::MessageBoxIndirectW(&box);
}

}  // namespace pp::win32
