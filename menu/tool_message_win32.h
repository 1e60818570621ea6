#pragma once

#include <windows.h>

#include <commctrl.h>

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

// A question of the tool's with two buttons of its own texts, the second the default; true when the
// first was chosen. Escape and the close box choose neither. Where the system has no task dialog the
// question comes as a message with Yes and No that name the two.
inline bool ShowToolChoice(HWND owner, const std::string& text, const std::string& first, const std::string& second) {
    const std::wstring wide = Widen(text), title = Widen(kApplicationTitle), yes = Widen(first), no = Widen(second);
    const TASKDIALOG_BUTTON buttons[] = {{IDYES, yes.c_str()}, {IDNO, no.c_str()}};
    TASKDIALOGCONFIG dialog{};
    dialog.cbSize = sizeof(dialog);
    dialog.hwndParent = owner;
    dialog.hInstance = ::GetModuleHandleW(nullptr);
    dialog.dwFlags = TDF_ALLOW_DIALOG_CANCELLATION | TDF_POSITION_RELATIVE_TO_WINDOW;
    dialog.pszWindowTitle = title.c_str();
    dialog.pszMainIcon = MAKEINTRESOURCEW(IDI_PitchPilot);
    dialog.pszContent = wide.c_str();
    dialog.cButtons = 2;
    dialog.pButtons = buttons;
    dialog.nDefaultButton = IDNO;
    int chosen = 0;
    if (SUCCEEDED(::TaskDialogIndirect(&dialog, &chosen, nullptr, nullptr)))
        return chosen == IDYES;
    return ShowToolMessage(owner, text + "\n\nYes: " + first + ".\nNo: " + second + ".", MB_YESNO | MB_DEFBUTTON2) ==
           IDYES;
}

}  // namespace pp::win32
