#include "menu/setup_name_dialog_win32.h"

#include "menu/dialog_ids.h"

namespace pp::win32 {
namespace {

struct NameDialog {
    const NameRequest* request;
    std::wstring chosen;
};

INT_PTR CALLBACK NameDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = reinterpret_cast<NameDialog*>(::GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
        case WM_INITDIALOG: {
            state = reinterpret_cast<NameDialog*>(lParam);
            ::SetWindowLongPtrW(dialog, DWLP_USER, lParam);
            ::SetDlgItemTextW(dialog, IDC_SetupPrompt, state->request->prompt.c_str());
            for (const std::wstring& name : state->request->names)
                ::SendDlgItemMessageW(dialog, IDC_SetupName, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
            ::SendDlgItemMessageW(dialog, IDC_SetupName, CB_SETCURSEL, 0, 0);
            return TRUE;
        }
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
                wchar_t text[MAX_PATH] = L"";
                ::GetDlgItemTextW(dialog, IDC_SetupName, text, MAX_PATH);
                if (state)
                    state->chosen = LOWORD(wParam) == IDOK ? text : L"";
                ::EndDialog(dialog, LOWORD(wParam));
                return TRUE;
            }
            break;
    }
    return FALSE;
}

}  // namespace

std::wstring AskForName(HINSTANCE instance, HWND owner, int dialog, const NameRequest& request) {
    NameDialog state{&request, {}};
    if (::DialogBoxParamW(instance, MAKEINTRESOURCEW(dialog), owner, NameDialogProc,
                          reinterpret_cast<LPARAM>(&state)) != IDOK)
        return {};
    return state.chosen;
}

}  // namespace pp::win32
