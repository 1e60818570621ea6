#pragma once

// The dialog that asks for a setup's name: typed or one of the saved (IDD_SetupName), or only one
// of the saved (IDD_SetupChoice). Its templates are in menu/dialogs.rc.

#include <windows.h>

#include <string>
#include <vector>

namespace pp::win32 {

// What the name dialog shows.
struct NameRequest {
    std::wstring prompt;
    std::vector<std::wstring> names;
};

// The name the player typed or chose; empty when the dialog was cancelled.
std::wstring AskForName(HINSTANCE instance, HWND owner, int dialog, const NameRequest& request);

}  // namespace pp::win32
