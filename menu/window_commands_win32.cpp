#include "menu/window_commands_win32.h"

#include <string>

#include "config/game_files_back.h"
#include "menu/desktop_shortcuts_win32.h"
#include "menu/tool_message_win32.h"
#include "model/form1.h"
#include "model/resource_ids.h"
#include "pp_version.h"
#include "state/saved_state.h"
#include "win32/module_path.h"
#include "win32/text.h"

namespace pp::win32 {
namespace {

// IDs of the system menu: below 0xF000, where the system's own begin, with the low four bits clear,
// which the system uses. The saved setups take kFirstSetup onwards, one step of 0x10 each.
enum WindowCommandId : UINT {
    kSeparator = 0,
    kSetupsMenu = 1,
    kShowGameView = 0x100,
    kSaveSetupAs = 0x110,
    kDeleteSetup = 0x120,
    kOpenSetupFile = 0x130,
    kSaveSetupToFile = 0x140,
    kPutFilesBack = 0x150,
    kCreateShortcuts = 0x160,
    kAbout = 0x170,
    kFirstSetup = 0x1000,
};
constexpr UINT kSetupStep = 0x10, kShortcutSetups = 9;

struct WindowCommandRow {
    UINT id;
    const wchar_t* text;  // "&" marks the letter that picks it in the open menu
    BYTE modifiers;       // FCONTROL, FSHIFT, FALT, or none
    WORD key;             // a virtual key
    const wchar_t* keyName;
};

// The menu from the top; the system's Restore, Move, Minimize and Close follow.
constexpr WindowCommandRow kWindowCommands[] = {
    {kShowGameView, L"&What the game will get\u2026", FCONTROL, 'G', L"Ctrl+G"},
    {kSeparator, nullptr, 0, 0, nullptr},
    {kSaveSetupAs, L"&Save setup as\u2026", FCONTROL, 'S', L"Ctrl+S"},
    {kSetupsMenu, L"Se&tups", 0, 0, nullptr},
    {kDeleteSetup, L"&Delete setup\u2026", FCONTROL | FSHIFT, 'D', L"Ctrl+Shift+D"},
    {kOpenSetupFile, L"&Open setup file\u2026", FCONTROL, 'O', L"Ctrl+O"},
    {kSaveSetupToFile, L"Save setup to &file\u2026", FCONTROL | FSHIFT, 'S', L"Ctrl+Shift+S"},
    {kSeparator, nullptr, 0, 0, nullptr},
    {kPutFilesBack, L"Put the game's files &back\u2026", FCONTROL | FSHIFT, 'B', L"Ctrl+Shift+B"},
    {kCreateShortcuts, L"Create desktop s&hortcuts", FCONTROL, 'D', L"Ctrl+D"},
    {kAbout, L"&About Pitch Pilot", 0, VK_F1, L"F1"},
    {kSeparator, nullptr, 0, 0, nullptr},
};

}  // namespace

WindowCommands::WindowCommands(Form1& form, HINSTANCE instance)
    : form_(form), instance_(instance), setups_(form, instance) {}

WindowCommands::~WindowCommands() = default;

// The window cannot be sized or maximised, so those two of the system's items go. The first nine
// saved setups have Ctrl+1 to Ctrl+9.
void WindowCommands::Attach(HWND main) {
    main_ = main;
    setups_.SetOwner(main);
    const HMENU menu = ::GetSystemMenu(main, FALSE);
    ::DeleteMenu(menu, SC_SIZE, MF_BYCOMMAND);
    ::DeleteMenu(menu, SC_MAXIMIZE, MF_BYCOMMAND);
    std::vector<ACCEL> keys;
    UINT position = 0;
    for (const WindowCommandRow& row : kWindowCommands) {
        if (row.id == kSeparator) {
            ::InsertMenuW(menu, position++, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
        } else if (row.id == kSetupsMenu) {
            setupsMenu_ = ::CreatePopupMenu();
            ::InsertMenuW(menu, position++, MF_BYPOSITION | MF_POPUP, reinterpret_cast<UINT_PTR>(setupsMenu_),
                          row.text);
        } else {
            const std::wstring item = std::wstring(row.text) + L"\t" + row.keyName;
            ::InsertMenuW(menu, position++, MF_BYPOSITION | MF_STRING, row.id, item.c_str());
            keys.push_back(ACCEL{static_cast<BYTE>(FVIRTKEY | row.modifiers), row.key, static_cast<WORD>(row.id)});
        }
    }
    for (UINT i = 0; i < kShortcutSetups; ++i)
        keys.push_back(
            ACCEL{FVIRTKEY | FCONTROL, static_cast<WORD>('1' + i), static_cast<WORD>(kFirstSetup + i * kSetupStep)});
    shortcuts_.Reset(::CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size())));
    RefreshSetupsMenu();
}

void WindowCommands::RefreshSetupsMenu() {
    if (!setupsMenu_)
        return;
    while (::GetMenuItemCount(setupsMenu_) > 0)
        ::DeleteMenu(setupsMenu_, 0, MF_BYPOSITION);
    const std::vector<std::wstring> names = setups_.Names();
    for (UINT i = 0; i < names.size() && kFirstSetup + i * kSetupStep < 0xF000; ++i) {
        std::wstring item = names[i];
        for (size_t at = item.find(L'&'); at != std::wstring::npos; at = item.find(L'&', at + 2))
            item.insert(at, 1, L'&');  // a "&" of the name is shown, not taken as a menu letter
        if (i < kShortcutSetups)
            item += L"\tCtrl+" + std::to_wstring(i + 1);
        ::AppendMenuW(setupsMenu_, MF_STRING, kFirstSetup + i * kSetupStep, item.c_str());
    }
    if (names.empty())
        ::AppendMenuW(setupsMenu_, MF_STRING | MF_GRAYED, 0, L"No setup saved yet");
}

bool WindowCommands::Run(UINT id) {
    switch (id) {
        case kShowGameView:
            if (!gameView_)
                gameView_ = std::make_unique<GameView>(form_, instance_, main_);
            gameView_->Show();
            return true;
        case kSaveSetupAs:
            setups_.SaveAs();
            return true;
        case kDeleteSetup:
            setups_.Delete();
            return true;
        case kOpenSetupFile:
            setups_.OpenFile();
            return true;
        case kSaveSetupToFile:
            setups_.SaveToFile();
            return true;
        case kPutFilesBack:
            PutGameFilesBack();
            return true;
        case kCreateShortcuts:
            CreateDesktopShortcuts();
            return true;
        case kAbout:
            ShowAbout();
            return true;
    }
    if (id >= kFirstSetup && id < 0xF000 && (id - kFirstSetup) % kSetupStep == 0) {
        setups_.Apply((id - kFirstSetup) / kSetupStep);
        return true;
    }
    return false;
}

// Restore, Move and Minimize as the window's state allows, as the system's own opening does.
void WindowCommands::ShowSystemMenu(POINT screen) {
    const HMENU menu = ::GetSystemMenu(main_, FALSE);
    const bool minimised = ::IsIconic(main_);
    ::EnableMenuItem(menu, SC_RESTORE, MF_BYCOMMAND | (minimised ? MF_ENABLED : MF_GRAYED));
    ::EnableMenuItem(menu, SC_MOVE, MF_BYCOMMAND | (minimised ? MF_GRAYED : MF_ENABLED));
    ::EnableMenuItem(menu, SC_MINIMIZE, MF_BYCOMMAND | (minimised ? MF_GRAYED : MF_ENABLED));
    RefreshSetupsMenu();
    const UINT flags =
        TPM_RETURNCMD | TPM_RIGHTBUTTON | (::GetSystemMetrics(SM_MENUDROPALIGNMENT) ? TPM_RIGHTALIGN : 0);
    const BOOL chosen = ::TrackPopupMenu(menu, flags, screen.x, screen.y, 0, main_, nullptr);
    if (chosen)
        ::PostMessageW(main_, WM_SYSCOMMAND, static_cast<WPARAM>(chosen), 0);
}

bool WindowCommands::PreTranslate(MSG& message) {
    if (main_ && shortcuts_ && ::TranslateAcceleratorW(main_, shortcuts_.Get(), &message))
        return true;
    return gameView_ && gameView_->IsDialogMessage(message);
}

void WindowCommands::ModelChanged() {
    if (gameView_)
        gameView_->Refresh();
}

void WindowCommands::ShowAbout() {
    ShowToolMessage(main_, std::string("Pitch Pilot ") + kVersionText + "\n\nThe game folder:\n" + form_.GameRoot() +
                               "\n\nYour settings are kept in the registry, under\nHKEY_CURRENT_USER\\Software\\" +
                               kSettingsApplication + "\\" + form_.settingsSection);
}

void WindowCommands::CreateDesktopShortcuts() {
    const std::wstring desktop = DesktopFolder();
    if (desktop.empty()) {
        ShowToolMessage(main_, "There is no desktop folder to put the shortcuts in.");
        return;
    }
    ShowToolMessage(main_, Narrow(DescribeShortcutResults(CreateShortcuts(desktop, ModulePath()))));
}

// Asked once, naming every copy; nothing happens without a yes.
// Asked once, naming every copy; nothing happens without a yes.
void WindowCommands::PutGameFilesBack() {
    const std::vector<std::string> copies = CopiesToPutBack(form_.os.files, form_.GameRoot());
    if (copies.empty()) {
        ShowToolMessage(main_, "There are no bak_ copies of the game's files to put back.");
        return;
    }
    if (ShowToolMessage(main_, PutBackQuestion(copies), MB_YESNO | MB_DEFBUTTON2) == IDYES)
        ShowToolMessage(main_, DescribePutBack(pp::PutGameFilesBack(form_.os.files, form_.GameRoot())));
}

}  // namespace pp::win32
