#include "menu/window_commands_win32.h"

#include <string>

#include "config/game_files_back.h"
#include "menu/desktop_shortcuts_win32.h"
#include "menu/dialog_ids.h"
#include "menu/setup_name_dialog_win32.h"
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
constexpr UINT kSeparator = 0, kSetupsMenu = 1, kFirstSetup = 0x1000, kSetupStep = 0x10, kShortcutSetups = 9;

struct WindowCommandRow {
    UINT id;
    const wchar_t* text;  // "&" marks the letter that picks it in the open menu
    BYTE modifiers;       // FCONTROL, FSHIFT, FALT, or none
    WORD key;             // a virtual key; 0 for none
    void (WindowCommands::*run)();
    bool belowSetups = false;  // at the foot of the Setups menu, below the saved setups
};

// The menu from the top; the system's Restore, Move, Minimize and Close follow. The text a menu
// item shows for its shortcut is made from its key, never typed a second time.
constexpr WindowCommandRow kWindowCommands[] = {
    {0x100, L"&What the game will get\u2026", FCONTROL, 'G', &WindowCommands::ShowGameView},
    {kSeparator, nullptr, 0, 0, nullptr},
    {0x110, L"&Save setup as\u2026", FCONTROL, 'S', &WindowCommands::SaveSetupAs},
    {kSetupsMenu, L"Se&tups", 0, 0, nullptr},
    {0x120, L"&Delete setup\u2026", FCONTROL | FSHIFT, 'D', &WindowCommands::DeleteSetup},
    {0x130, L"&Open setup file\u2026", FCONTROL, 'O', &WindowCommands::OpenSetupFile},
    {0x140, L"Save setup to &file\u2026", FCONTROL | FSHIFT, 'S', &WindowCommands::SaveSetupToFile},
    {kSeparator, nullptr, 0, 0, nullptr},
    {0x150, L"Put the game's files &back\u2026", FCONTROL | FSHIFT, 'B', &WindowCommands::PutGameFilesBack},
    {0x160, L"Create desktop s&hortcuts", FCONTROL, 'D', &WindowCommands::CreateDesktopShortcuts},
    {0x170, L"&About Pitch Pilot", 0, VK_F1, &WindowCommands::ShowAbout},
    {kSeparator, nullptr, 0, 0, nullptr},
    {0x180, L"Create a shortcut for this setup\u2026", 0, 0, &WindowCommands::CreateSetupShortcut, true},
};

// The name of a key as menus show it: "Ctrl+Shift+D", "F1".
std::wstring ShortcutText(BYTE modifiers, WORD key) {
    if (key == 0)
        return {};
    std::wstring text;
    if (modifiers & FCONTROL)
        text += L"Ctrl+";
    if (modifiers & FSHIFT)
        text += L"Shift+";
    if (modifiers & FALT)
        text += L"Alt+";
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z'))
        return text + static_cast<wchar_t>(key);
    if (key >= VK_F1 && key <= VK_F24)
        return text + L"F" + std::to_wstring(key - VK_F1 + 1);
    wchar_t name[64] = L"";
    ::GetKeyNameTextW(static_cast<LONG>(::MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16, name, 64);
    return text + name;
}

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
        if (row.belowSetups)
            continue;
        if (row.id == kSeparator) {
            ::InsertMenuW(menu, position++, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
        } else if (row.id == kSetupsMenu) {
            setupsMenu_ = ::CreatePopupMenu();
            ::InsertMenuW(menu, position++, MF_BYPOSITION | MF_POPUP, reinterpret_cast<UINT_PTR>(setupsMenu_),
                          row.text);
        } else {
            const std::wstring item = std::wstring(row.text) + L"\t" + ShortcutText(row.modifiers, row.key);
            ::InsertMenuW(menu, position++, MF_BYPOSITION | MF_STRING, row.id, item.c_str());
            if (row.key)
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
            item += L"\t" + ShortcutText(FCONTROL, static_cast<WORD>('1' + i));
        ::AppendMenuW(setupsMenu_, MF_STRING, kFirstSetup + i * kSetupStep, item.c_str());
    }
    if (names.empty())
        ::AppendMenuW(setupsMenu_, MF_STRING | MF_GRAYED, 0, L"No setup saved yet");
    ::AppendMenuW(setupsMenu_, MF_SEPARATOR, 0, nullptr);
    for (const WindowCommandRow& row : kWindowCommands)
        if (row.belowSetups)
            ::AppendMenuW(setupsMenu_, MF_STRING | (names.empty() ? MF_GRAYED : 0), row.id, row.text);
}

bool WindowCommands::Run(UINT id) {
    for (const WindowCommandRow& row : kWindowCommands)
        if (row.id == id && row.run) {
            (this->*row.run)();
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

bool WindowCommands::ApplySetupNamed(const std::string& name) {
    return setups_.ApplyNamed(name);
}

void WindowCommands::ModelChanged() {
    if (gameView_)
        gameView_->Refresh();
}

void WindowCommands::ShowGameView() {
    if (!gameView_)
        gameView_ = std::make_unique<GameView>(form_, instance_, main_);
    gameView_->Show();
}

void WindowCommands::SaveSetupAs() {
    setups_.SaveAs();
}

void WindowCommands::DeleteSetup() {
    setups_.Delete();
}

void WindowCommands::OpenSetupFile() {
    setups_.OpenFile();
}

void WindowCommands::SaveSetupToFile() {
    setups_.SaveToFile();
}

void WindowCommands::ShowAbout() {
    ShowToolMessage(main_, std::string("Pitch Pilot ") + kVersionText + "\n\nThe game folder:\n" + form_.GameRoot() +
                               "\n\nYour settings are kept in the registry, under\nHKEY_CURRENT_USER\\Software\\" +
                               kSettingsApplication + "\\" + form_.settingsSection);
}

// On the desktop and in the Start menu, told in one message.
void WindowCommands::CreateDesktopShortcuts() {
    const std::wstring desktop = DesktopFolder(), startMenu = StartMenuFolder(), program = ModulePath();
    std::wstring message = desktop.empty()
                               ? L"There is no desktop folder to put the shortcuts in."
                               : DescribeShortcutResults(CreateShortcuts(desktop, program), ShortcutPlace::Desktop);
    message += L"\n\n" + (startMenu.empty()
                              ? L"There is no Start menu folder to put the shortcuts in."
                              : DescribeShortcutResults(CreateShortcuts(startMenu, program), ShortcutPlace::StartMenu));
    ShowToolMessage(main_, Narrow(message));
}

// A desktop shortcut that applies the chosen setup and starts a match at once.
void WindowCommands::CreateSetupShortcut() {
    const std::vector<std::wstring> names = setups_.Names();
    if (names.empty()) {
        ShowToolMessage(main_, "There is no saved setup to make a shortcut for.");
        return;
    }
    const std::wstring name =
        AskForName(instance_, main_, IDD_SetupChoice, {L"Make a desktop shortcut that starts a match with:", names});
    if (name.empty())
        return;
    const std::wstring desktop = DesktopFolder();
    if (desktop.empty()) {
        ShowToolMessage(main_, "There is no desktop folder to put the shortcut in.");
        return;
    }
    const SetupShortcut shortcut(name);
    const Shortcut row = shortcut.Get();
    ShowToolMessage(main_, Narrow(DescribeShortcutResults(CreateShortcuts(desktop, ModulePath(), {&row, 1}))));
}

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
