#pragma once

#include <windows.h>

#include <commctrl.h>

#include <array>
#include <cstdint>
#include <deque>
#include <future>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/controls.h"
#include "model/window_host.h"
#include "shell/hover.h"
#include "shell/start_switches.h"
#include "view/dpi.h"
#include "view/skin_win32.h"
#include "win32/com.h"
#include "win32/handles.h"

namespace pp {
class Form1;
struct ControlPlace;
}  // namespace pp

namespace pp::win32 {
class WindowCommands;
}

namespace pp::win32 {

// The class name of the main window, for automation and the end-to-end test.
inline constexpr wchar_t kForm1ClassName[] = L"PitchPilot.Form1";

// Another copy hands its switches to the main window in a WM_COPYDATA of this tag, whose data are
// HandOverBytes; the window answers TRUE once it has taken them.
inline constexpr ULONG_PTR kHandOverData = 0x50503039;  // "PP09"

// What a frame would do for the borderless main window. It exists before the window (the model
// is handed its services first) and is attached once the window is made.
class MainWindowHost : public WindowHost {
  public:
    void Attach(HWND window) { window_ = window; }

    void BeginDrag() override;
    void Minimise() override;
    // Runs the window's close (the exit sequence) before it returns.
    void Close() override;

  private:
    HWND window_ = nullptr;
};

// The main window on screen: one child window per shown control of the model, built from the
// layout table. It holds no behaviour of its own: it hands the user's input to the model and then
// shows the model again (values, enabled state, list items, texts, colours, timers).
class MainWindow {
  public:
    MainWindow(Form1& form, MainWindowHost& host, HINSTANCE instance);
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Starts drawing the window's background for `dpi` on a thread of its own, so that it is ready
    // by the time the window is made. A window that opens at another dpi draws its own.
    void DrawBackdropAhead(int dpi);
    // Makes the window and its controls, hidden, centred on the primary monitor. False when the
    // system refused.
    bool Create();
    // Shows the window; from the message loop, once what is queued has been drawn, raises the model's
    // Shown (which may hold a message for the player), after which switches run.
    void Show(int showCommand);
    // Carries out the switches from the message loop, after the messages already queued and once the
    // window has shown; `askedAt` is when the copy that asked for them started (ThisCopyStartedAt).
    void RunStartOptionsSoon(StartOptions options, uint64_t askedAt);
    // Null once the window is gone.
    HWND Handle() const { return window_; }
    // What the message loop does with a message before it is dispatched; true when it was taken:
    // the tool's shortcuts, its other windows' dialog keys, then the main window's: Tab and the
    // arrow keys move between the controls, Enter and Space press the focused one, Alt and a
    // caption's underlined letter move to its box.
    bool PreTranslate(MSG& message);

  private:
    // One child window and what was last shown in it, where asking the window is dear.
    struct Child {
        const ControlPlace* place = nullptr;
        HWND window = nullptr;
        // A long list waits in its model until the box is first used, showing only its selection;
        // 100,000 teams would otherwise take the window a second or more to open.
        enum class List { NotShown, SelectionOnly, Whole } list = List::NotShown;
        uint64_t listRevision = 0;
        int shownSelection = -1;
        Rgb color = 0;
        uint64_t surfaceRevision = 0;
        // The control's own window procedure, for a control whose messages pass the main window's
        // first.
        WNDPROC systemProc = nullptr;
        // The background under a control that fills its own background with a brush, made when it
        // first asks and again after the skin or the layout changed.
        UniqueBrush backdrop{};
    };

    struct Fonts {
        UniqueFont normal;
        UniqueFont bold;
        UniqueFont cheat;
    };

    // Posted for an armed terminator's first tick; see SyncTimers.
    static constexpr UINT kTickTerminatorNow = WM_APP + 1;
    // Posted for the oldest of startOptions_.
    static constexpr UINT kRunStartOptions = WM_APP + 2;
    // Posted once the window shows.
    static constexpr UINT kShown = WM_APP + 3;

    // Children and input (main_window_win32.cpp).
    template <typename Owner>
    friend LRESULT CALLBACK WindowProcOf(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void AttachWindow(HWND window) { window_ = window; }
    void Subclass(Child& child, WNDPROC proc);
    // What a subclassed control's messages need: the main window, the control's child, and the
    // control's own procedure (the class's, should the control not be among the children).
    struct Subclassed {
        MainWindow* self = nullptr;
        Child* child = nullptr;
        WNDPROC systemProc = nullptr;
    };
    static Subclassed FindSubclassed(HWND control);
    static LRESULT CALLBACK TextBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK ComboBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // The answer to a screen reader's question for a combo box: named after its caption; 0 when
    // there is none.
    LRESULT NamedComboBox(HWND combo, int id, WPARAM flags);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool OnCreate();
    bool OnCommand(int id, int code);
    bool OnComboBoxCommand(Child& child, ComboBox& combo, int code);
    void OnClose();
    void OnEndSession(bool ending);
    void OnDestroy();
    void OnDpiChanged(int dpi, const RECT& suggested);
    LRESULT OnHandOver(const COPYDATASTRUCT& data);
    void RunStartOptions();
    void OnShown();
    bool OnSetCursor(HWND over, UINT mouseMessage);
    // A press on the icon at the left of the title strip opens the system menu below the icon; true
    // when it did.
    bool OnIconPress(POINT client);
    // A right click on the title strip, or the menu key (`screen` of -1, -1), opens the system menu;
    // true when it did.
    bool OnContextMenu(POINT screen);
    // Alt and a caption's access key: the caption's box takes the focus. True when the key was one.
    bool OnAccessKey(wchar_t key);
    // The focused control is the one Enter presses, when it is a button or box that a click sets.
    LRESULT DefaultButton() const;
    void OnBackgroundPress(MouseButton button);
    void OnBackgroundMouseMove();
    void RunUnloadOnce();
    // The code that gets through the model's key filter; 0 when it swallowed the key.
    WPARAM FilterKey(int id, WPARAM code);
    bool HasKeyFilter(int id);
    // The model text box a child shows; null for any other child.
    TextBox* FindTextBox(int id);
    void PasteThroughKeyFilter(int id, HWND edit);
    bool CreateChildren();
    void CreateToolTip(const Child& child, const std::string& text);
    void MakeFonts();
    PixelRect ChildRect(const ControlPlace& place) const;
    void LayOut();
    HFONT FontFor(const ControlPlace& place) const;
    Child* FindChild(int id);
    Child* FindChild(HWND window);
    // The caption a control shows (an image button without a face shows it too), and the text its
    // window carries, which also names it for screen readers.
    std::string CaptionFor(const ControlPlace& place) const;
    std::string WindowTextFor(const ControlPlace& place) const;
    static std::wstring WindowText(HWND window);

    // The model shown in the windows (window_sync_win32.cpp).
    void SyncFromModel();
    void SyncChild(Child& child);
    void SyncCheckBox(const Child& child, const CheckBox& box);
    void SyncOptionButton(const Child& child, const OptionButtonArray& array, int element);
    void SyncComboBox(Child& child, const ComboBox& combo);
    void ShowWholeList(Child& child, const ComboBox& combo);
    void SyncTextBox(const Child& child, const TextBox& box);
    void SyncLabel(Child& child, const Label& label);
    // Logo boxes and image buttons show the model's drawing surface.
    void SyncPicture(Child& child, const PictureBox& box);
    void SyncTimers();
    void OnTimer(UINT_PTR id);
    void TickTerminatorNow();
    void StopTimers();

    // Painting (window_paint_win32.cpp).
    void MakeBrushes();
    // The skin at the window's dpi: the background, and the image buttons' faces when the model's do
    // not fit this dpi.
    void MakeSkin();
    Picture BackdropFor(int dpi);
    bool FacesFit() const;
    // The background under a rectangle of a control, as a picture to draw the control on.
    Picture BackdropUnder(HWND control, const RECT& rect) const;
    HBRUSH BackdropBrushFor(Child& child);
    void PaintBackdrop();
    LRESULT OnControlColor(HDC dc, HWND control, UINT message);
    void OnDrawItem(const DRAWITEMSTRUCT& item);
    LRESULT OnCustomDraw(const NMCUSTOMDRAW& draw);
    void DrawImageButton(const DRAWITEMSTRUCT& item, const Child& child, const PictureBox& button);
    void DrawLink(const DRAWITEMSTRUCT& item, const Child& child, const Label& link);
    void DrawToggleControl(const Child& child, const NMCUSTOMDRAW& draw);
    // Focus marks: a ring in the skin's light colour around the focused control, and on an image
    // button's face a dark ring inside it too. The system's boxes (combo and text boxes) get theirs
    // from the window, drawn on the background around them.
    const Child* FocusedBox();
    RECT FocusMarkAround(HWND box) const;
    void DrawFocusMarkOnFace(HDC dc, const RECT& face) const;
    bool ShowsFocusMarks() const;
    const Picture& ToggleGlyph(ToggleShape shape, const ToggleState& state);

    Form1& form_;
    MainWindowHost& host_;
    HINSTANCE instance_;
    HWND window_ = nullptr;
    int dpi_ = 96;
    std::vector<Child> children_;
    Fonts fonts_;
    // The background's pixels, in backdropBitmap_.
    struct BackdropPixels {
        const uint32_t* bits = nullptr;
        int width = 0;
        int height = 0;
        uint32_t At(int x, int y) const { return bits[static_cast<size_t>(y) * static_cast<size_t>(width) + x]; }
    } backdrop_;
    int backdropAheadDpi_ = 0;
    std::future<Picture> backdropAhead_;
    UniqueBitmap backdropBitmap_;
    // The background's colour, where no drawing of it is at hand.
    UniqueBrush plainBackground_;
    std::map<uint32_t, Picture> toggleGlyphs_;
    UniqueBrush cheatBackground_;
    UniqueBrush line_;
    std::array<bool, 4> timerRunning_{};
    bool syncing_ = false;
    // A Tab moves the focus: an option button it lands on is not selected by it.
    bool tabbing_ = false;
    // COM on the window's thread from the first question of an accessibility tool on.
    std::optional<ComScope> com_;
    bool unloaded_ = false;
    // Switches to carry out, with when their copies started, oldest first.
    std::deque<std::pair<StartOptions, uint64_t>> startOptions_;
    bool shown_ = false;
    StartSwitchRuns startSwitchRuns_;
    // The system menu and all it opens.
    std::unique_ptr<WindowCommands> commands_;
};

// Runs the thread's message loop until the main window has gone; returns the exit code. The keys
// work as PreTranslate says.
int RunMessageLoop(MainWindow& window);

}  // namespace pp::win32
