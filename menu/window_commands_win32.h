#pragma once

#include <windows.h>

#include <memory>

#include "menu/game_view_win32.h"
#include "menu/setup_commands_win32.h"
#include "win32/handles.h"

namespace pp {
class Form1;
}

namespace pp::win32 {

// The tool's own commands, above Move, Minimize and Close in the main window's system menu, each
// with a keyboard shortcut that works from every window of the tool. The menu opens from the
// icon at the left of the title strip, a right click on the strip, Alt+Space and the menu key.
class WindowCommands {
  public:
    WindowCommands(Form1& form, HINSTANCE instance);
    ~WindowCommands();
    WindowCommands(const WindowCommands&) = delete;
    WindowCommands& operator=(const WindowCommands&) = delete;

    // Adds the commands to the window's system menu and makes their shortcuts.
    void Attach(HWND main);
    // Runs the command of a menu item or shortcut; false when the ID is none of the tool's. The
    // window shows the model again afterwards: a setup may have changed every control.
    bool Run(UINT id);
    // The saved setups, listed anew each time the menu opens.
    void RefreshSetupsMenu();
    // The system menu at a point of the screen.
    void ShowSystemMenu(POINT screen);
    // Shortcuts, and the companion window's dialog keys; true when the message was taken.
    bool PreTranslate(MSG& message);
    // Every window that shows the model follows a change at once.
    void ModelChanged();
    // Applies the saved setup of that name, as choosing it in the menu does; false, having told the
    // player which setups there are, when there is none of that name or it could not be loaded.
    bool ApplySetupNamed(const std::string& name);

    // The commands of the menu's rows.
    void ShowGameView();
    void SaveSetupAs();
    void DeleteSetup();
    void OpenSetupFile();
    void SaveSetupToFile();
    void PutGameFilesBack();
    void CreateDesktopShortcuts();
    void CreateSetupShortcut();
    void ShowAbout();

  private:
    Form1& form_;
    HINSTANCE instance_;
    HWND main_ = nullptr;
    UniqueAccelerators shortcuts_;
    SetupCommands setups_;
    HMENU setupsMenu_ = nullptr;  // owned by the system menu
    std::unique_ptr<GameView> gameView_;
};

}  // namespace pp::win32
