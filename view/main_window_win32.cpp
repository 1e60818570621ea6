// The main window itself and the user's input: the window and its messages, and the clicks, keys
// and pastes handed to the model.
#include "view/main_window_win32.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <string>
#include <variant>

#include "menu/window_commands_win32.h"
#include "model/form1.h"
#include "model/ignore_errors.h"
#include "model/resource_ids.h"
#include "shell/commands.h"
#include "shell/hover.h"
#include "view/form1_layout.h"
#include "view/skin_win32.h"
#include "win32/accessible_name.h"
#include "win32/clipboard.h"
#include "win32/text.h"
#include "win32/window_proc.h"

namespace pp::win32 {
namespace {

// The clock of process start times.
uint64_t SystemTimeNow() {
    FILETIME now{};
    ::GetSystemTimeAsFileTime(&now);
    return (static_cast<uint64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
}

}  // namespace

void MainWindowHost::BeginDrag() {
    if (!window_)
        return;
    // The system's move loop starts from the point in the message, so it gets the cursor's.
    POINT cursor{};
    ::GetCursorPos(&cursor);
    ::ReleaseCapture();
    ::SendMessageW(window_, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(cursor.x, cursor.y));
}

void MainWindowHost::Minimise() {
    if (window_)
        ::ShowWindow(window_, SW_MINIMIZE);
}

void MainWindowHost::Close() {
    if (window_)
        ::SendMessageW(window_, WM_CLOSE, 0, 0);
}

MainWindow::MainWindow(Form1& form, MainWindowHost& host, HINSTANCE instance)
    : form_(form), host_(host), instance_(instance), commands_(std::make_unique<WindowCommands>(form, instance)) {}

MainWindow::~MainWindow() {
    if (window_)
        ::DestroyWindow(window_);
}

bool MainWindow::Create() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &WindowProcOf<MainWindow>;
    windowClass.hInstance = instance_;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hIcon = ::LoadIconW(instance_, MAKEINTRESOURCEW(IDI_PitchPilot));
    windowClass.hIconSm = static_cast<HICON>(::LoadImageW(instance_, MAKEINTRESOURCEW(IDI_PitchPilot), IMAGE_ICON,
                                                          ::GetSystemMetrics(SM_CXSMICON),
                                                          ::GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
    windowClass.lpszClassName = kForm1ClassName;
    if (!::RegisterClassExW(&windowClass) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        return false;

    // No frame and no caption: the window draws its own. The system menu and minimise box stay
    // for the taskbar (minimise, restore, close) and Alt+F4.
    constexpr DWORD kStyle = WS_POPUP | WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX;
    constexpr DWORD kExtendedStyle = WS_EX_APPWINDOW | WS_EX_CONTROLPARENT;
    ::CreateWindowExW(kExtendedStyle, kForm1ClassName, Widen(form_.caption).c_str(), kStyle, 0, 0, kForm1Width,
                      kForm1Height, nullptr, nullptr, instance_, this);
    if (!window_)
        return false;

    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    ::GetMonitorInfoW(::MonitorFromWindow(window_, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& work = monitor.rcWork;
    const int width = ScaleToDpi(kForm1Width, dpi_);
    const int height = ScaleToDpi(kForm1Height, dpi_);
    ::SetWindowPos(window_, nullptr, work.left + std::max(0L, (work.right - work.left - width) / 2),
                   work.top + std::max(0L, (work.bottom - work.top - height) / 2), width, height,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

void MainWindow::Show(int showCommand) {
    ::ShowWindow(window_, showCommand);
    ::UpdateWindow(window_);
    ::PostMessageW(window_, kShown, 0, 0);
}

// Switches wait until Shown has told what it tells: a message box's own loop would otherwise run
// them under the message.
void MainWindow::OnShown() {
    IgnoreErrors([&] { form_.Shown(); });
    shown_ = true;
    if (!startOptions_.empty())
        ::PostMessageW(window_, kRunStartOptions, 0, 0);
}

bool MainWindow::PreTranslate(MSG& message) {
    if (commands_->PreTranslate(message))
        return true;
    if (!window_ || (message.hwnd != window_ && !::IsChild(window_, message.hwnd)))
        return false;
    if (message.message == WM_SYSCHAR && OnAccessKey(static_cast<wchar_t>(message.wParam)))
        return true;
    tabbing_ = message.message == WM_KEYDOWN && message.wParam == VK_TAB;
    const bool taken = ::IsDialogMessageW(window_, &message) != FALSE;
    tabbing_ = false;
    return taken;
}

// The captions carry their access keys in the layout table, each right before its box. A box that
// is disabled is not reached: the key does nothing then, rather than move on to another control.
bool MainWindow::OnAccessKey(wchar_t key) {
    if (key >= L'a' && key <= L'z')
        key = static_cast<wchar_t>(key - L'a' + L'A');
    for (size_t i = 0; i + 1 < children_.size(); ++i) {
        if (children_[i].place->accessKey == 0 || static_cast<wchar_t>(children_[i].place->accessKey) != key)
            continue;
        const HWND box = children_[i + 1].window;
        if (::IsWindowEnabled(box) && ::IsWindowVisible(box)) {
            ::SendMessageW(window_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
            ::SetFocus(box);
            if (::SendMessageW(box, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
                ::SendMessageW(box, EM_SETSEL, 0, -1);
        }
        return true;
    }
    return false;
}

// The dialog keys ask for the default button when Enter is pressed: it is the focused control,
// when a click is what it takes.
LRESULT MainWindow::DefaultButton() const {
    const HWND focus = ::GetFocus();
    for (const Child& child : children_) {
        if (child.window != focus)
            continue;
        switch (child.place->Kind()) {
            case ViewKind::ImageButton:
            case ViewKind::Link:
            case ViewKind::CheckBox:
            case ViewKind::OptionButton:
                return MAKELRESULT(child.place->id, DC_HASDEFID);
            default:
                return 0;
        }
    }
    return 0;
}

bool MainWindow::OnIconPress(POINT client) {
    if (client.x >= ScaleToDpi(kTitleIconRight, dpi_) || client.y >= ScaleToDpi(kTitleStripHeight, dpi_))
        return false;
    POINT below{0, ScaleToDpi(kTitleStripHeight, dpi_)};
    ::ClientToScreen(window_, &below);
    commands_->ShowSystemMenu(below);
    return true;
}

bool MainWindow::OnContextMenu(POINT screen) {
    POINT client = screen;
    if (screen.x == -1 && screen.y == -1) {
        screen = {0, ScaleToDpi(kTitleStripHeight, dpi_)};
        ::ClientToScreen(window_, &screen);
    } else {
        ::ScreenToClient(window_, &client);
        if (client.y < 0 || client.y >= ScaleToDpi(kTitleStripHeight, dpi_))
            return false;
    }
    commands_->ShowSystemMenu(screen);
    return true;
}

void MainWindow::RunStartOptionsSoon(StartOptions options, uint64_t askedAt) {
    startOptions_.emplace_back(std::move(options), askedAt);
    if (shown_)
        ::PostMessageW(window_, kRunStartOptions, 0, 0);
}

// A setup named by a switch comes first; when it cannot be applied (the menu names what is wrong),
// no match starts.
void MainWindow::RunStartOptions() {
    if (startOptions_.empty())
        return;
    const auto [options, askedAt] = std::move(startOptions_.front());
    startOptions_.pop_front();
    if (!startSwitchRuns_.Admits(options, askedAt))
        return;
    if (options.setup && !commands_->ApplySetupNamed(*options.setup))
        return;
    startSwitchRuns_.Run(form_, options, SystemTimeNow());
}

LRESULT MainWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND window = window_;
    switch (message) {
        case WM_CREATE:
            return OnCreate() ? 0 : -1;
        case WM_COMMAND:
            if (HIWORD(wParam) == 1 && commands_->Run(LOWORD(wParam))) {  // a shortcut
                SyncFromModel();
                return 0;
            }
            if (OnCommand(LOWORD(wParam), HIWORD(wParam)))
                SyncFromModel();
            return 0;
        case WM_SYSCOMMAND:
            if (commands_->Run(static_cast<UINT>(wParam & 0xFFF0))) {
                SyncFromModel();
                return 0;
            }
            break;
        case WM_INITMENUPOPUP:
            if (HIWORD(lParam))  // the system menu, opened by the system (Alt+Space)
                commands_->RefreshSetupsMenu();
            break;
        case WM_CONTEXTMENU:
            if (OnContextMenu({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}))
                return 0;
            break;
        case WM_TIMER:
            OnTimer(wParam);
            SyncFromModel();
            return 0;
        case kTickTerminatorNow:
            TickTerminatorNow();
            SyncFromModel();
            return 0;
        case kRunStartOptions:
            RunStartOptions();
            SyncFromModel();
            return 0;
        case WM_COPYDATA:
            return OnHandOver(*reinterpret_cast<const COPYDATASTRUCT*>(lParam));
        case kShown:
            OnShown();
            SyncFromModel();
            return 0;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORBTN:
            return OnControlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), message);
        case DM_GETDEFID:
            return DefaultButton();
        case WM_DRAWITEM:
            OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_NOTIFY: {
            const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
            if (header.code == static_cast<UINT>(NM_CUSTOMDRAW))
                return OnCustomDraw(*reinterpret_cast<const NMCUSTOMDRAW*>(lParam));
            break;
        }
        // The paint covers the whole area, so erasing first would only flicker.
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            PaintBackdrop();
            return 0;
        case WM_LBUTTONDOWN:
            if (!OnIconPress({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}))
                OnBackgroundPress(MouseButton::Left);
            return 0;
        case WM_RBUTTONDOWN:
            OnBackgroundPress(MouseButton::Right);
            return 0;
        case WM_MBUTTONDOWN:
            OnBackgroundPress(MouseButton::Middle);
            return 0;
        case WM_MOUSEMOVE:
            OnBackgroundMouseMove();
            return 0;
        case WM_SETCURSOR:
            if (OnSetCursor(reinterpret_cast<HWND>(wParam), HIWORD(lParam)))
                return TRUE;
            break;
        case WM_CLOSE:
            OnClose();
            return 0;
        case WM_ENDSESSION:
            OnEndSession(wParam != FALSE);
            return 0;
        case WM_DESTROY:
            OnDestroy();
            return 0;
        case WM_NCDESTROY:
            window_ = nullptr;
            children_.clear();
            host_.Attach(nullptr);
            break;
        case WM_DPICHANGED:
            OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

bool MainWindow::OnCreate() {
    host_.Attach(window_);
    commands_->Attach(window_);
    dpi_ = static_cast<int>(::GetDpiForWindow(window_));
    if (dpi_ <= 0)
        dpi_ = kBaseDpi;
    MakeBrushes();
    MakeFonts();
    // The children are made while the background may still be drawn ahead; nothing paints before
    // the window shows.
    if (!CreateChildren())
        return false;
    MakeSkin();
    SyncFromModel();
    return true;
}

// User input goes to the model as the user's own act. True when it did, or when the window may
// show something else than the model, and so needs the sync that follows. The other notifications
// pass: an edit control reports an update before its change, and showing the model at that
// moment would take back what the user just typed.
bool MainWindow::OnCommand(int id, int code) {
    Child* child = FindChild(id);
    if (!child)
        return false;
    // The window draws a box's focus mark around it.
    const ViewKind kind = child->place->Kind();
    if ((kind == ViewKind::ComboBox && (code == CBN_SETFOCUS || code == CBN_KILLFOCUS)) ||
        (kind == ViewKind::TextBox && (code == EN_SETFOCUS || code == EN_KILLFOCUS))) {
        const RECT mark = FocusMarkAround(child->window);
        ::InvalidateRect(window_, &mark, FALSE);
    }
    if (syncing_)
        return false;
    const bool clicked = code == BN_CLICKED;
    return std::visit(Overloaded{
                          [&](const CheckBoxView& view) {
                              if (clicked)
                                  view.Model(form_).UserClick();
                              return clicked;
                          },
                          // The system clicks an option button that gets the focus; a Tab only moves it.
                          [&](const OptionButtonView& view) {
                              if (clicked && !tabbing_)
                                  view.Model(form_).UserSelect(view.element);
                              return clicked;
                          },
                          [&](const ComboBoxView& view) { return OnComboBoxCommand(*child, view.Model(form_), code); },
                          [&](const TextBoxView& view) {
                              if (code != EN_CHANGE)
                                  return false;
                              view.Model(form_).SetText(Narrow(WindowText(child->window)));
                              return true;
                          },
                          [&](const ImageButtonView& view) {
                              if (clicked)
                                  ClickImageButton(form_, view.index);
                              return clicked;
                          },
                          [&](const LinkView& view) {
                              if (clicked)
                                  ClickLink(form_, view.element);
                              return clicked;
                          },
                          [](const CaptionView&) { return false; },
                          [](const LineView&) { return false; },
                          [](const LogoView&) { return false; },
                      },
                      child->place->shows);
}

bool MainWindow::OnComboBoxCommand(Child& child, ComboBox& combo, int code) {
    switch (code) {
        // Focus comes before the list drops down, and before the keys that move through it.
        case CBN_SETFOCUS:
        case CBN_DROPDOWN:
            if (child.list != Child::List::SelectionOnly)
                return false;
            ShowWholeList(child, combo);
            return true;
        case CBN_SELCHANGE:
        case CBN_SELENDOK:
            // The stand-in item is no choice of the user's.
            if (child.list == Child::List::SelectionOnly)
                return true;
            combo.UserPick(static_cast<int>(::SendMessageW(child.window, CB_GETCURSEL, 0, 0)));
            return true;
        case CBN_EDITCHANGE:
            combo.SetText(Narrow(WindowText(child.window)));
            return true;
        case CBN_SELENDCANCEL:
        case CBN_CLOSEUP:
            return true;
        default:
            return false;
    }
}

void MainWindow::OnBackgroundPress(MouseButton button) {
    PressOnBackground(form_, button);
    SyncFromModel();
}

void MainWindow::OnBackgroundMouseMove() {
    ResetHover(form_);
    SyncFromModel();
}

void MainWindow::RunUnloadOnce() {
    if (unloaded_)
        return;
    unloaded_ = true;
    IgnoreErrors([&] { form_.Unload(); });
}

void MainWindow::OnClose() {
    RunUnloadOnce();
    ::DestroyWindow(window_);
}

// The session ends with the process right after this message, so the exit sequence runs now.
void MainWindow::OnEndSession(bool ending) {
    if (!ending)
        return;
    RunUnloadOnce();
    ::DestroyWindow(window_);
}

void MainWindow::OnDestroy() {
    StopTimers();
    ::PostQuitMessage(0);
}

void MainWindow::OnDpiChanged(int dpi, const RECT& suggested) {
    dpi_ = dpi > 0 ? dpi : kBaseDpi;
    MakeSkin();
    MakeFonts();
    LayOut();
    // The system's suggestion scales the old size, which may round differently from the layout; the
    // window has no frame, so its size is exactly the client area's at the new dpi.
    ::SetWindowPos(window_, nullptr, suggested.left, suggested.top, ScaleToDpi(kForm1Width, dpi_),
                   ScaleToDpi(kForm1Height, dpi_), SWP_NOZORDER | SWP_NOACTIVATE);
    SyncFromModel();
    ::RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

// Another copy was started with a start switch. Its command runs later, so that the sender, which
// waits for this answer, does not wait for the launch as well; the window comes to the front first,
// where the player looks.
// Data that are no hand-over of the tool's are not taken.
LRESULT MainWindow::OnHandOver(const COPYDATASTRUCT& data) {
    if (data.dwData != kHandOverData)
        return FALSE;
    const std::optional<HandOver> handOver =
        ReadHandOver(std::string_view(static_cast<const char*>(data.lpData), data.lpData ? data.cbData : 0));
    if (!handOver)
        return FALSE;
    if (::IsIconic(window_))
        ::ShowWindow(window_, SW_RESTORE);
    ::SetForegroundWindow(window_);
    const StartOptions options = ParseCommandLine(handOver->arguments);
    if (options.request != CommandLineRequest::Help && options.request != CommandLineRequest::Unknown)
        RunStartOptionsSoon(options, handOver->askedAt);
    return TRUE;
}

// The system asks the parent for the cursor of every child the mouse moves over, which makes this
// the one place that sees the mouse over the links and image buttons.
bool MainWindow::OnSetCursor(HWND over, UINT mouseMessage) {
    const Child* child = FindChild(over);
    if (!child)
        return false;
    const auto* link = std::get_if<LinkView>(&child->place->shows);
    const auto* button = std::get_if<ImageButtonView>(&child->place->shows);
    if (!link && !button)
        return false;
    if (mouseMessage == WM_MOUSEMOVE) {
        if (link)
            HoverLink(form_, link->element);
        else
            HoverImageButton(form_, button->index);
        SyncFromModel();
    }
    ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
    return true;
}

MainWindow::Subclassed MainWindow::FindSubclassed(HWND control) {
    Subclassed found;
    found.self = reinterpret_cast<MainWindow*>(::GetWindowLongPtrW(control, GWLP_USERDATA));
    found.child = found.self ? found.self->FindChild(::GetDlgCtrlID(control)) : nullptr;
    found.systemProc =
        found.child ? found.child->systemProc : reinterpret_cast<WNDPROC>(::GetClassLongPtrW(control, GCLP_WNDPROC));
    return found;
}

LRESULT CALLBACK MainWindow::TextBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const Subclassed box = FindSubclassed(window);
    try {
        if (box.child && message == WM_CHAR) {
            const WPARAM code = box.self->FilterKey(box.child->place->id, wParam);
            const LRESULT result = code == 0 ? 0 : ::CallWindowProcW(box.systemProc, window, message, code, lParam);
            box.self->SyncFromModel();
            return result;
        }
        if (box.child && message == WM_PASTE && box.self->HasKeyFilter(box.child->place->id)) {
            box.self->PasteThroughKeyFilter(box.child->place->id, window);
            box.self->SyncFromModel();
            return 0;
        }
        return ::CallWindowProcW(box.systemProc, window, message, wParam, lParam);
    } catch (...) {
        return 0;
    }
}

// The wheel turns a closed box's selection without focusing it, so a long list waiting for its
// first use is put in first. A screen reader asks the box for its name: it is the caption before
// it (Windows finds it there by itself; Wine names a combo box by its text, the chosen item).
LRESULT CALLBACK MainWindow::ComboBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const Subclassed box = FindSubclassed(window);
    try {
        if (box.child && message == WM_GETOBJECT && static_cast<DWORD>(lParam) == static_cast<DWORD>(OBJID_CLIENT))
            if (const LRESULT named = box.self->NamedComboBox(window, box.child->place->id, wParam))
                return named;
        if (box.child && message == WM_MOUSEWHEEL) {
            const auto* combo = std::get_if<ComboBoxView>(&box.child->place->shows);
            if (combo && box.child->list == Child::List::SelectionOnly)
                box.self->ShowWholeList(*box.child, combo->Model(box.self->form_));
        }
        return ::CallWindowProcW(box.systemProc, window, message, wParam, lParam);
    } catch (...) {
        return 0;
    }
}

LRESULT MainWindow::NamedComboBox(HWND combo, int id, WPARAM flags) {
    const auto row =
        std::find_if(children_.begin(), children_.end(), [id](const Child& child) { return child.place->id == id; });
    if (row == children_.begin() || row == children_.end())
        return 0;
    if (!com_)
        com_.emplace();
    if (!com_->Usable())
        return 0;
    return AnswerAccessibleObject(combo, flags, Widen(CaptionFor(*std::prev(row)->place)));
}

TextBox* MainWindow::FindTextBox(int id) {
    const Child* child = FindChild(id);
    const auto* box = child ? std::get_if<TextBoxView>(&child->place->shows) : nullptr;
    return box ? &box->Model(form_) : nullptr;
}

bool MainWindow::HasKeyFilter(int id) {
    const TextBox* box = FindTextBox(id);
    return box && box->onKeyPress != nullptr;
}

// Pasted text meets the same key filter as typed text, one character after the other, so a paste
// cannot put into a box what typing could not.
void MainWindow::PasteThroughKeyFilter(int id, HWND edit) {
    std::wstring accepted;
    for (wchar_t c : ReadClipboardText(window_)) {
        if (c < L' ')  // line ends and other control characters are no keys typed into a box
            continue;
        if (const WPARAM code = FilterKey(id, c))
            accepted.push_back(static_cast<wchar_t>(code));
    }
    ::SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(accepted.c_str()));
}

WPARAM MainWindow::FilterKey(int id, WPARAM code) {
    TextBox* box = FindTextBox(id);
    if (!box || !box->onKeyPress)
        return code;
    int keyCode = static_cast<int>(code);
    box->onKeyPress(keyCode);
    return static_cast<WPARAM>(std::max(keyCode, 0));
}

int RunMessageLoop(MainWindow& window) {
    MSG message{};
    for (;;) {
        const BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
        if (got == 0)
            return static_cast<int>(message.wParam);
        if (got == -1)
            return 1;
        if (window.Handle() && window.PreTranslate(message))
            continue;
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

}  // namespace pp::win32
