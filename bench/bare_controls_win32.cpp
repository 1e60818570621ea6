// A second floor for the start-up figure: a window that needs what the main window needs from the
// system and nothing of the tool's own. It loads the same libraries (common controls 6 by the same
// manifest, GDI+ started, the shell), makes the same child windows at the same places with a font,
// and shows them: no model, no lists, no skin, no pictures. What the tool takes beyond this is
// its own work; what this takes beyond the bare window is the price of the controls themselves.
// Given a game folder on its command line, its start button launches the game there as the
// benchmark's bare launch does, so a click on it is the floor of a click on the tool's.

#include <windows.h>

#include <commctrl.h>
#include <objidl.h>
#include <shellapi.h>

#include <gdiplus.h>

#include <string>

#include "model/control_ids.h"
#include "view/form1_layout.h"

namespace {

// The main window's child classes, by kind, as it makes them.
const wchar_t* ClassOf(pp::ViewKind kind, DWORD& style, DWORD& extendedStyle) {
    extendedStyle = 0;
    switch (kind) {
        case pp::ViewKind::Label:
        case pp::ViewKind::Line:
            style = SS_LEFT;
            return L"STATIC";
        case pp::ViewKind::LogoBox:
            style = SS_OWNERDRAW;
            return L"STATIC";
        case pp::ViewKind::ComboBox:
            style = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
            return L"COMBOBOX";
        case pp::ViewKind::TextBox:
            style = ES_AUTOHSCROLL | WS_TABSTOP;
            extendedStyle = WS_EX_CLIENTEDGE;
            return L"EDIT";
        case pp::ViewKind::CheckBox:
            style = BS_3STATE | WS_TABSTOP;
            return L"BUTTON";
        case pp::ViewKind::OptionButton:
            style = BS_RADIOBUTTON;
            return L"BUTTON";
        case pp::ViewKind::Link:
        case pp::ViewKind::ImageButton:
            break;
    }
    style = BS_PUSHBUTTON | WS_TABSTOP;
    return L"BUTTON";
}

std::wstring gameFolder;

LRESULT CALLBACK BareWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && LOWORD(wParam) == pp::IDC_FBU_2 && HIWORD(wParam) == BN_CLICKED &&
        !gameFolder.empty()) {
        const std::wstring game = gameFolder + L"\\fifa09.exe";
        ::ShellExecuteW(window, nullptr, game.c_str(), L"  AUDIO=1", gameFolder.c_str(), SW_SHOWNORMAL);
        return 0;
    }
    if (message == WM_DESTROY) {
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int show) {
    gameFolder = commandLine;
    INITCOMMONCONTROLSEX commonControls{sizeof(commonControls), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&commonControls);
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartup(&token, &input, nullptr);

    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = BareWindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = L"PitchPilot.BareControls";
    ::RegisterClassExW(&windowClass);
    const HWND window =
        ::CreateWindowExW(WS_EX_CONTROLPARENT, L"PitchPilot.BareControls", L"Bare controls", WS_POPUP | WS_CLIPCHILDREN,
                          100, 100, pp::kForm1Width, pp::kForm1Height, nullptr, nullptr, instance, nullptr);
    const HFONT font = ::CreateFontW(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                     CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH, L"Arial");
    for (const pp::ControlPlace& place : pp::Form1Layout()) {
        DWORD style = 0, extendedStyle = 0;
        const wchar_t* className = ClassOf(place.Kind(), style, extendedStyle);
        const int height = place.rect.height + (place.Kind() == pp::ViewKind::ComboBox ? 200 : 0);
        const HWND child =
            ::CreateWindowExW(extendedStyle, className, L"Caption", WS_CHILD | WS_VISIBLE | style, place.rect.x,
                              place.rect.y, place.rect.width, height, window,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(place.id)), instance, nullptr);
        ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    ::ShowWindow(window, show);
    ::UpdateWindow(window);
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (::IsDialogMessageW(window, &message))
            continue;
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    ::DeleteObject(font);
    Gdiplus::GdiplusShutdown(token);
    return 0;
}
