#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "config/game_folder.h"
#include "config/launch_preview.h"
#include "win32/handles.h"

namespace pp {
class Form1;
}

namespace pp::win32 {

// The class name of the "What the game will get" window, for automation and the end-to-end test.
inline constexpr wchar_t kGameViewClassName[] = L"PitchPilot.GameView";

// Its controls, for the same.
enum GameViewControl : int {
    IDC_GameView_Start = 100,
    IDC_GameView_Penalty,
    IDC_GameView_Program,
    IDC_GameView_Folder,
    IDC_GameView_Parameters,
    IDC_GameView_Notes,
    IDC_GameView_UserIni,
    IDC_GameView_CopyCommandLine,
    IDC_GameView_CopyUserIni,
};

// A companion window that shows what a start command would hand the game now: the program, its
// folder, the parameters with runs of blanks made countable, and the user.ini the save would write,
// with the cheat tokens that write nothing and why. It follows every change of the main window.
// Resizable; its place and size are kept per user.
class GameView {
  public:
    GameView(Form1& form, HINSTANCE instance, HWND owner);
    ~GameView();
    GameView(const GameView&) = delete;
    GameView& operator=(const GameView&) = delete;

    // Opens the window, or brings it to the front when it is open.
    void Show();
    // Shows the model again; cheap when nothing that it shows has changed.
    void Refresh();
    // Tab, the arrow keys and the labels' Alt keys move between its controls as in a dialog, and
    // Esc closes it.
    bool IsDialogMessage(MSG& message) const;

  private:
    template <typename Owner>
    friend LRESULT CALLBACK WindowProcOf(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void AttachWindow(HWND window) { window_ = window; }
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool Create();
    void CreateControls();
    void LayOut();
    void MakeFont();
    RECT PlaceToOpen() const;
    void StorePlace() const;
    HWND Control(int id) const { return ::GetDlgItem(window_, id); }

    Form1& form_;
    HINSTANCE instance_;
    HWND owner_;
    HWND window_ = nullptr;
    int dpi_ = 96;
    UniqueFont font_;
    LaunchKind kind_ = LaunchKind::Start;
    // What was shown last, and what it was made from.
    std::optional<LaunchPreview> shown_;
    LaunchKind shownKind_ = LaunchKind::Start;
    int shownKeep_ = 0;
    std::string shownLine_, shownCheat_;
    // Why the user.ini would not reach the game, and when that was last looked at.
    UserIniObstacle obstacle_ = UserIniObstacle::None;
    ULONGLONG obstacleLookedAt_ = 0;
};

}  // namespace pp::win32
