#include "app/main_window_win32.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "app/form1_layout.h"
#include "app/resource_ids.h"
#include "app/skin_win32.h"
#include "model/form1.h"
#include "model/ignore_errors.h"
#include "shell/button_faces.h"
#include "shell/commands.h"
#include "shell/hover.h"
#include "win32/text.h"

namespace pp::win32 {
namespace {

// The colours of the texts on the night pitch, and what shows where the skin could not be drawn.
constexpr COLORREF kBackground = RGB(11, 40, 24);
constexpr COLORREF kText = RGB(232, 240, 226);
constexpr COLORREF kDisabledText = RGB(140, 166, 142);
constexpr COLORREF kCaptionText = RGB(186, 232, 150);
constexpr COLORREF kNoticeText = RGB(255, 255, 192);
constexpr COLORREF kWarningText = RGB(255, 92, 72);
constexpr COLORREF kDisabledWarningText = RGB(222, 96, 80);
constexpr COLORREF kCheatBackground = RGB(255, 255, 192);
constexpr COLORREF kCheatText = RGB(0, 0, 0);
constexpr COLORREF kLine = RGB(62, 108, 60);
constexpr COLORREF kFrame = RGB(96, 150, 70);
constexpr COLORREF kEmptyLogo = RGB(8, 30, 18);

// Font sizes in hundredths of a point.
constexpr int kDefaultFontSize = 975;
constexpr int kCheatFontSize = 900;

// The box of a check box and the circle of an option button, and the gap before the caption,
// at 96 dpi.
constexpr int kToggleSize = 13;
constexpr int kToggleGap = 5;

// How far a combo box's list drops, at 96 dpi.
constexpr int kComboDropHeight = 260;

COLORREF ToColorRef(Rgb color) {
    return RGB((color >> 16) & 0xFF, (color >> 8) & 0xFF, color & 0xFF);
}

// The model's timers mirrored by system timers, each under its own timer ID.
struct MirroredTimer {
    UINT_PTR id;
    Timer* (*model)(Form1&);
};

// A system timer cannot fire sooner than USER_TIMER_MINIMUM (10 ms or more), so an armed terminator
// also gets its first tick as a posted message: the pass then follows at the window's very next
// message, within a few milliseconds of F12, instead of a timer period later.
constexpr UINT kTickTerminatorNow = WM_APP + 1;
constexpr size_t kTerminatorTimer = 3;

const std::array<MirroredTimer, 4> kTimers = {{
    {1, [](Form1& form) -> Timer* { return &form.TKEY; }},
    {2, [](Form1& form) -> Timer* { return &form.TA; }},
    {3, [](Form1& form) -> Timer* { return &form.TA2; }},
    // The terminator's timer exists only while its window is loaded.
    {4,
     [](Form1& form) -> Timer* {
         Fshut* terminator = form.LoadedTerminator();
         return terminator ? &terminator->TS : nullptr;
     }},
}};

bool IsCornerButton(const ControlPlace& place) {
    return place.kind == ViewKind::ImageButton && (place.element == 0 || place.element == 99);
}

struct ChildClass {
    const wchar_t* className;
    DWORD style;
    DWORD extendedStyle;
};

ChildClass ClassFor(const ControlPlace& place, Form1& form) {
    // Every tab stop starts a group of its own, except the option buttons after the first, so
    // the arrow keys move between the side buttons only.
    const DWORD tabStop = WS_TABSTOP | WS_GROUP;
    switch (place.kind) {
        case ViewKind::Label:
            return {L"STATIC", static_cast<DWORD>(SS_NOPREFIX | (place.look == ViewLook::Notice ? SS_CENTER : SS_LEFT)),
                    0};
        // A link is a button drawn as text, so the keyboard reaches it as well as the mouse.
        case ViewKind::Link:
            return {L"BUTTON", BS_OWNERDRAW | tabStop, 0};
        case ViewKind::CheckBox:
            return {L"BUTTON", BS_3STATE | tabStop, 0};
        case ViewKind::OptionButton:
            return {L"BUTTON", BS_RADIOBUTTON | (place.element == 0 ? tabStop : 0), 0};
        case ViewKind::ComboBox: {
            const auto& combo = static_cast<ComboBox&>(place.model(form));
            const DWORD style =
                combo.Style() == ComboStyle::Editable ? CBS_DROPDOWN | CBS_AUTOHSCROLL : CBS_DROPDOWNLIST;
            return {L"COMBOBOX", style | WS_VSCROLL | tabStop, 0};
        }
        case ViewKind::TextBox:
            return {L"EDIT", ES_AUTOHSCROLL | tabStop, WS_EX_CLIENTEDGE};
        // The corner buttons stand for a title bar's, which the keyboard reaches through the system
        // menu (Alt+Space) and Alt+F4 instead.
        case ViewKind::ImageButton:
            return {L"BUTTON", static_cast<DWORD>(BS_OWNERDRAW | (IsCornerButton(place) ? 0 : tabStop)), 0};
        case ViewKind::Line:
            return {L"STATIC", SS_LEFT, 0};
        case ViewKind::LogoBox:
            return {L"STATIC", SS_OWNERDRAW, 0};
    }
    return {L"STATIC", 0, 0};
}

// The caption a child window is made with; texts that change are shown by the sync. A check box
// always carries its own caption, even one shown bare, so that accessibility tools can name it.
std::string CaptionFor(const ControlPlace& place, Form1& form) {
    if (place.kind == ViewKind::CheckBox)
        return static_cast<CheckBox&>(place.model(form)).Caption();
    if (place.caption)
        return place.caption;
    switch (place.kind) {
        case ViewKind::Label:
        case ViewKind::Link:
            return static_cast<Label&>(place.model(form)).Caption();
        default:
            return {};
    }
}

std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
    const int length = ::GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<size_t>(std::max(length, 0)));
    return text;
}

void SetEnabled(HWND window, bool enabled) {
    if ((::IsWindowEnabled(window) != FALSE) != enabled)
        ::EnableWindow(window, enabled);
}

// Puts the model's items into a combo box in one go: its own sorting is off (the model has
// sorted them already), drawing waits for the end, and the storage is taken at once.
void FillComboBox(HWND combo, const LineList& list) {
    ::SendMessageW(combo, WM_SETREDRAW, FALSE, 0);
    ::SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    std::vector<std::wstring> items;
    items.reserve(list.Items().size());
    size_t bytes = 0;
    for (const std::string& item : list.Items()) {
        items.push_back(Widen(item));
        bytes += (items.back().size() + 1) * sizeof(wchar_t);
    }
    ::SendMessageW(combo, CB_INITSTORAGE, items.size(), static_cast<LPARAM>(bytes));
    for (const std::wstring& item : items)
        ::SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    ::SendMessageW(combo, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(combo, nullptr, TRUE);
}

// Lists longer than this show only their selection until their box is first used.
constexpr int kListsFilledAtOnce = 2000;

// A stand-in for a long list: its selected item alone, so the closed box reads as it should.
void ShowSelectionOnly(HWND combo, const LineList& list) {
    ::SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    if (list.SelectedIndex() < 0)
        return;
    ::SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(list.SelectedText()).c_str()));
    ::SendMessageW(combo, CB_SETCURSEL, 0, 0);
}

// Sets the edit field of an editable combo box without moving the user's caret.
void SetComboEditText(HWND combo, int selectedIndex, const std::wstring& text) {
    DWORD start = 0, end = 0;
    ::SendMessageW(combo, CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    if (selectedIndex != static_cast<int>(::SendMessageW(combo, CB_GETCURSEL, 0, 0)))
        ::SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(selectedIndex), 0);
    if (WindowText(combo) != text) {
        ::SetWindowTextW(combo, text.c_str());
        ::SendMessageW(combo, CB_SETEDITSEL, 0, MAKELPARAM(start, end));
    }
}

uint32_t ToArgb(COLORREF color) {
    return 0xFF000000u | (static_cast<uint32_t>(GetRValue(color)) << 16) |
           (static_cast<uint32_t>(GetGValue(color)) << 8) | GetBValue(color);
}

BITMAPINFO TopDownInfo(const Picture& picture) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = picture.width;
    info.bmiHeader.biHeight = -picture.height;  // rows top to bottom, as the picture holds them
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// The picture at its own size with its top left corner at (x, y); its alpha is not looked at.
void DrawPicture(HDC dc, int x, int y, const Picture& picture) {
    if (picture.Empty())
        return;
    const BITMAPINFO info = TopDownInfo(picture);
    ::SetDIBitsToDevice(dc, x, y, static_cast<DWORD>(picture.width), static_cast<DWORD>(picture.height), 0, 0, 0,
                        static_cast<UINT>(picture.height), picture.pixels.data(), &info, DIB_RGB_COLORS);
}

void DrawStretched(HDC dc, const RECT& box, const Picture& picture) {
    const BITMAPINFO info = TopDownInfo(picture);
    ::SetStretchBltMode(dc, HALFTONE);
    ::SetBrushOrgEx(dc, 0, 0, nullptr);
    ::StretchDIBits(dc, box.left, box.top, box.right - box.left, box.bottom - box.top, 0, 0, picture.width,
                    picture.height, picture.pixels.data(), &info, DIB_RGB_COLORS, SRCCOPY);
}

// Lays `over` onto `under` with its top left corner at (x, y), each pixel by its own alpha; what
// falls outside `under` is cut off.
void LayOver(Picture& under, const Picture& over, int x, int y) {
    for (int oy = 0; oy < over.height; ++oy) {
        const int uy = y + oy;
        if (uy < 0 || uy >= under.height)
            continue;
        for (int ox = 0; ox < over.width; ++ox) {
            const int ux = x + ox;
            if (ux < 0 || ux >= under.width)
                continue;
            const uint32_t top = over.At(ox, oy);
            const uint32_t alpha = top >> 24;
            uint32_t& bottom = under.At(ux, uy);
            uint32_t out = 0xFF000000u;
            for (int shift : {16, 8, 0}) {
                const uint32_t t = (top >> shift) & 0xFF, b = (bottom >> shift) & 0xFF;
                out |= ((t * alpha + b * (255 - alpha) + 127) / 255) << shift;
            }
            bottom = out;
        }
    }
}

void DrawLogo(const DRAWITEMSTRUCT& item, const Picture& surface) {
    if (!surface.Empty()) {
        DrawStretched(item.hDC, item.rcItem, surface);
        return;
    }
    UniqueBrush fill(::CreateSolidBrush(kEmptyLogo));
    ::FillRect(item.hDC, &item.rcItem, fill.Get());
    UniqueBrush edge(::CreateSolidBrush(kFrame));
    ::FrameRect(item.hDC, &item.rcItem, edge.Get());
}

// Focus is shown once the keyboard has been used in the window, as everywhere in Windows.
bool ShowsFocus(HWND control) {
    return ::GetFocus() == control && !(::SendMessageW(control, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS);
}

// The text on the clipboard; empty when there is none.
std::wstring ClipboardText(HWND owner) {
    OpenedClipboard clipboard(owner);
    if (!clipboard.IsOpen())
        return {};
    LockedGlobalMemory memory(::GetClipboardData(CF_UNICODETEXT));
    const auto* text = static_cast<const wchar_t*>(memory.Data());
    if (!text)
        return {};
    // The block may be larger than its text, and a foreign one may lack the final null.
    const size_t capacity = memory.Size() / sizeof(wchar_t);
    return std::wstring(text, std::find(text, text + capacity, L'\0'));
}

UniqueFont MakeArial(int hundredthsOfPoint, int dpi, bool bold) {
    return UniqueFont(::CreateFontW(FontHeightForDpi(hundredthsOfPoint, dpi), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL,
                                    FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                    CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_SWISS, L"Arial"));
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
    : form_(form), host_(host), instance_(instance) {}

MainWindow::~MainWindow() {
    if (window_)
        ::DestroyWindow(window_);
}

bool MainWindow::Create() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &MainWindow::WindowProc;
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
}

LRESULT CALLBACK MainWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->window_ = window;
    }
    auto* self = reinterpret_cast<MainWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self)
        return ::DefWindowProcW(window, message, wParam, lParam);
    // Nothing may unwind into the system.
    try {
        return self->OnMessage(message, wParam, lParam);
    } catch (...) {
        return message == WM_CREATE ? -1 : 0;
    }
}

LRESULT MainWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND window = window_;
    switch (message) {
        case WM_CREATE:
            return OnCreate() ? 0 : -1;
        case WM_COMMAND:
            if (OnCommand(LOWORD(wParam), HIWORD(wParam)))
                SyncFromModel();
            return 0;
        case WM_TIMER:
            OnTimer(wParam);
            SyncFromModel();
            return 0;
        case kTickTerminatorNow:
            OnTimer(kTimers[kTerminatorTimer].id);
            SyncFromModel();
            return 0;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORBTN:
            return OnControlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), message);
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
    dpi_ = static_cast<int>(::GetDpiForWindow(window_));
    if (dpi_ <= 0)
        dpi_ = kBaseDpi;
    cheatBackground_.Reset(::CreateSolidBrush(kCheatBackground));
    line_.Reset(::CreateSolidBrush(kLine));
    MakeFonts();
    // The children are made while the background may still be drawn ahead; nothing paints before
    // the window shows.
    if (!CreateChildren())
        return false;
    MakeSkin();
    SyncFromModel();
    return true;
}

bool MainWindow::CreateChildren() {
    for (const ControlPlace& place : Form1Layout()) {
        const ChildClass childClass = ClassFor(place, form_);
        const PixelRect r = ChildRect(place);
        const HWND child = ::CreateWindowExW(
            childClass.extendedStyle, childClass.className, Widen(CaptionFor(place, form_)).c_str(),
            WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | childClass.style, r.left, r.top, r.right - r.left,
            r.bottom - r.top, window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(place.id)), instance_, nullptr);
        if (!child)
            return false;
        ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(place)), FALSE);
        children_.push_back({&place, child});
        if (place.kind == ViewKind::ComboBox)
            ::SetWindowSubclass(child, &MainWindow::ComboBoxProc, static_cast<UINT_PTR>(place.id),
                                reinterpret_cast<DWORD_PTR>(this));
        if (place.kind == ViewKind::TextBox) {
            ::SetWindowSubclass(child, &MainWindow::TextBoxProc, static_cast<UINT_PTR>(place.id),
                                reinterpret_cast<DWORD_PTR>(this));
            const std::string& tip = static_cast<TextBox&>(place.model(form_)).toolTip;
            if (!tip.empty())
                CreateToolTip(children_.back(), tip);
        }
    }
    return true;
}

// The tool tip window is owned by the main window and goes with it.
void MainWindow::CreateToolTip(const Child& child, const std::string& text) {
    const HWND tip = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                       CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr,
                                       instance_, nullptr);
    if (!tip)
        return;
    std::wstring wide = Widen(text);
    TTTOOLINFOW tool{};
    // The size of the common controls 5 record, which every version of the control takes.
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = window_;
    tool.uId = reinterpret_cast<UINT_PTR>(child.window);
    tool.lpszText = wide.data();
    ::SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void MainWindow::MakeFonts() {
    fonts_.normal = MakeArial(kDefaultFontSize, dpi_, false);
    fonts_.bold = MakeArial(kDefaultFontSize, dpi_, true);
    fonts_.cheat = MakeArial(kCheatFontSize, dpi_, false);
}

HFONT MainWindow::FontFor(const ControlPlace& place) const {
    switch (place.look) {
        case ViewLook::Caption:
        case ViewLook::Warning:
            return fonts_.bold.Get();
        case ViewLook::Cheat:
            return fonts_.cheat.Get();
        case ViewLook::Plain:
        case ViewLook::Notice:
            break;
    }
    return place.kind == ViewKind::ImageButton ? fonts_.bold.Get() : fonts_.normal.Get();
}

// A combo box's window height includes its dropped-down list.
PixelRect MainWindow::ChildRect(const ControlPlace& place) const {
    PixelRect r = ScaleToDpi(place.rect, dpi_);
    if (place.kind == ViewKind::ComboBox)
        r.bottom += ScaleToDpi(kComboDropHeight, dpi_);
    return r;
}

// Places every child from the table at the window's dpi, and gives it its font at that dpi.
void MainWindow::LayOut() {
    for (const Child& child : children_) {
        const PixelRect r = ChildRect(*child.place);
        ::SetWindowPos(child.window, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                       SWP_NOZORDER | SWP_NOACTIVATE);
        ::SendMessageW(child.window, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(*child.place)), TRUE);
    }
}

MainWindow::Child* MainWindow::FindChild(int id) {
    for (Child& child : children_)
        if (child.place->id == id)
            return &child;
    return nullptr;
}

MainWindow::Child* MainWindow::FindChild(HWND window) {
    for (Child& child : children_)
        if (child.window == window)
            return &child;
    return nullptr;
}

// User input goes to the model as the user's own act. True when it did, or when the window may
// show something else than the model, and so needs the sync that follows. The other notifications
// pass: an edit control reports an update before its change, and showing the model at that
// moment would take back what the user just typed.
bool MainWindow::OnCommand(int id, int code) {
    if (syncing_)
        return false;
    Child* child = FindChild(id);
    if (!child)
        return false;
    const ControlPlace& place = *child->place;
    switch (place.kind) {
        case ViewKind::CheckBox:
            if (code != BN_CLICKED)
                return false;
            static_cast<CheckBox&>(place.model(form_)).UserClick();
            return true;
        case ViewKind::OptionButton:
            if (code != BN_CLICKED)
                return false;
            static_cast<OptionButtonArray&>(place.model(form_)).UserSelect(place.element);
            return true;
        case ViewKind::ComboBox: {
            auto& combo = static_cast<ComboBox&>(place.model(form_));
            switch (code) {
                // Focus comes before the list drops down, and before the keys that move through it.
                case CBN_SETFOCUS:
                case CBN_DROPDOWN:
                    if (child->list != Child::List::SelectionOnly)
                        return false;
                    ShowWholeList(*child);
                    return true;
                case CBN_SELCHANGE:
                case CBN_SELENDOK:
                    // The stand-in item is no choice of the user's.
                    if (child->list == Child::List::SelectionOnly)
                        return true;
                    combo.UserPick(static_cast<int>(::SendMessageW(child->window, CB_GETCURSEL, 0, 0)));
                    return true;
                case CBN_EDITCHANGE:
                    combo.SetText(Narrow(WindowText(child->window)));
                    return true;
                case CBN_SELENDCANCEL:
                case CBN_CLOSEUP:
                    return true;
                default:
                    return false;
            }
        }
        case ViewKind::TextBox:
            if (code != EN_CHANGE)
                return false;
            static_cast<TextBox&>(place.model(form_)).SetText(Narrow(WindowText(child->window)));
            return true;
        case ViewKind::ImageButton:
            if (code != BN_CLICKED)
                return false;
            ClickImageButton(form_, place.element);
            return true;
        case ViewKind::Link:
            if (code != BN_CLICKED)
                return false;
            ClickLink(form_, place.element);
            return true;
        case ViewKind::Label:
        case ViewKind::Line:
        case ViewKind::LogoBox:
            break;
    }
    return false;
}

void MainWindow::OnBackgroundPress(MouseButton button) {
    PressOnBackground(form_, button);
    SyncFromModel();
}

void MainWindow::OnBackgroundMouseMove() {
    ResetHover(form_);
    SyncFromModel();
}

void MainWindow::OnTimer(UINT_PTR id) {
    for (const MirroredTimer& timer : kTimers)
        if (timer.id == id)
            if (Timer* model = timer.model(form_))
                model->Tick();
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
    for (size_t i = 0; i < kTimers.size(); ++i)
        if (timerRunning_[i])
            ::KillTimer(window_, kTimers[i].id);
    timerRunning_.fill(false);
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

// The system asks the parent for the cursor of every child the mouse moves over, which makes this
// the one place that sees the mouse over the links and image buttons.
bool MainWindow::OnSetCursor(HWND over, UINT mouseMessage) {
    const Child* child = FindChild(over);
    if (!child)
        return false;
    const ControlPlace& place = *child->place;
    if (place.kind != ViewKind::Link && place.kind != ViewKind::ImageButton)
        return false;
    if (mouseMessage == WM_MOUSEMOVE) {
        if (place.kind == ViewKind::Link)
            HoverLink(form_, place.element);
        else
            HoverImageButton(form_, place.element);
        SyncFromModel();
    }
    ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
    return true;
}

LRESULT MainWindow::OnControlColor(HDC dc, HWND control, UINT message) {
    const Child* child = FindChild(control);
    if (!child)
        return ::DefWindowProcW(window_, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
    const ControlPlace& place = *child->place;
    switch (place.kind) {
        case ViewKind::TextBox:
            if (place.look != ViewLook::Cheat)
                break;
            ::SetTextColor(dc, kCheatText);
            ::SetBkColor(dc, kCheatBackground);
            return reinterpret_cast<LRESULT>(cheatBackground_.Get());
        case ViewKind::ComboBox:
        case ViewKind::ImageButton:
        case ViewKind::Link:
        case ViewKind::LogoBox:
            break;
        case ViewKind::Line:
            return reinterpret_cast<LRESULT>(line_.Get());
        // Captions stand on the pitch itself: no box of their own around the text.
        case ViewKind::Label:
        case ViewKind::CheckBox:
        case ViewKind::OptionButton: {
            COLORREF text = kText;
            if (place.look == ViewLook::Caption)
                text = kCaptionText;
            else if (place.look == ViewLook::Notice)
                text = kNoticeText;
            else if (place.look == ViewLook::Warning)
                text = kWarningText;
            ::SetTextColor(dc, text);
            ::SetBkColor(dc, kBackground);
            ::SetBkMode(dc, TRANSPARENT);
            AlignBackdropBrush(dc, control);
            return reinterpret_cast<LRESULT>(backdropBrush_.Get());
        }
    }
    return ::DefWindowProcW(window_, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
}

void MainWindow::OnDrawItem(const DRAWITEMSTRUCT& item) {
    const Child* child = FindChild(static_cast<int>(item.CtlID));
    if (!child)
        return;
    switch (child->place->kind) {
        case ViewKind::ImageButton:
            DrawImageButton(item, *child);
            break;
        case ViewKind::Link:
            DrawLink(item, *child);
            break;
        case ViewKind::LogoBox:
            DrawLogo(item, static_cast<PictureBox&>(child->place->model(form_)).Surface());
            break;
        default:
            break;
    }
}

void MainWindow::PaintBackdrop() {
    PAINTSTRUCT paint{};
    const HDC dc = ::BeginPaint(window_, &paint);
    const RECT& dirty = paint.rcPaint;
    MemoryDc source(dc);
    if (backdropBitmap_ && source.Get()) {
        SelectedObject selectBitmap(source.Get(), backdropBitmap_.Get());
        ::BitBlt(dc, dirty.left, dirty.top, dirty.right - dirty.left, dirty.bottom - dirty.top, source.Get(),
                 dirty.left, dirty.top, SRCCOPY);
    } else {
        ::FillRect(dc, &dirty, backdropBrush_.Get());
    }
    ::EndPaint(window_, &paint);
}

void MainWindow::DrawBackdropAhead(int dpi) {
    backdropAheadDpi_ = dpi;
    backdropAhead_ = std::async(std::launch::async, DrawBackground, dpi);
}

Picture MainWindow::BackdropFor(int dpi) {
    if (backdropAhead_.valid()) {
        try {
            Picture ahead = backdropAhead_.get();
            if (backdropAheadDpi_ == dpi && !ahead.Empty())
                return ahead;
        } catch (...) {
            // Drawn again below, on this thread.
        }
    }
    return DrawBackground(dpi);
}

void MainWindow::MakeSkin() {
    backdropBrush_.Reset();
    backdropBitmap_.Reset();
    backdrop_ = {};
    const Picture drawn = BackdropFor(dpi_);
    if (!drawn.Empty()) {
        const BITMAPINFO info = TopDownInfo(drawn);
        void* bits = nullptr;
        backdropBitmap_.Reset(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        if (backdropBitmap_ && bits) {
            std::copy(drawn.pixels.begin(), drawn.pixels.end(), static_cast<uint32_t*>(bits));
            backdropBrush_.Reset(::CreatePatternBrush(backdropBitmap_.Get()));
            // The bitmap's own pixels serve from here on; the drawing's copy goes.
            backdrop_ = {static_cast<const uint32_t*>(bits), drawn.width, drawn.height};
        }
    }
    if (!backdropBrush_) {
        backdropBitmap_.Reset();
        backdrop_ = {};
        backdropBrush_.Reset(::CreateSolidBrush(kBackground));
    }
    toggleGlyphs_.clear();
    if (!FacesFit())
        InstallButtonFaces(form_, DrawButtonFaces(dpi_));
}

// Faces made at start-up for the system's dpi fit a window that opened at that dpi.
bool MainWindow::FacesFit() const {
    for (const ControlPlace& place : Form1Layout()) {
        if (place.kind != ViewKind::ImageButton)
            continue;
        const PictureRef& face = form_.FBU.at(place.element).Picture();
        const PixelRect want = ScaleToDpi(Rect96{0, 0, place.rect.width, place.rect.height}, dpi_);
        if (!face || face->width != want.right || face->height != want.bottom)
            return false;
    }
    return true;
}

Picture MainWindow::BackdropUnder(HWND control, const RECT& rect) const {
    POINT origin{rect.left, rect.top};
    ::MapWindowPoints(control, window_, &origin, 1);
    Picture canvas(std::max(0L, rect.right - rect.left), std::max(0L, rect.bottom - rect.top), ToArgb(kBackground));
    for (int y = 0; y < canvas.height; ++y) {
        const int by = origin.y + y;
        if (by < 0 || by >= backdrop_.height)
            continue;
        for (int x = 0; x < canvas.width; ++x) {
            const int bx = origin.x + x;
            if (bx >= 0 && bx < backdrop_.width)
                canvas.At(x, y) = backdrop_.At(bx, by);
        }
    }
    return canvas;
}

void MainWindow::AlignBackdropBrush(HDC dc, HWND control) const {
    POINT origin{0, 0};
    ::MapWindowPoints(control, window_, &origin, 1);
    ::SetBrushOrgEx(dc, -origin.x, -origin.y, nullptr);
}

// The face the model's button shows now, over the background, centred; pressed, it moves down one
// step as a real button would. Without a face the caption stands in for it.
void MainWindow::DrawImageButton(const DRAWITEMSTRUCT& item, const Child& child) {
    const auto& button = static_cast<PictureBox&>(child.place->model(form_));
    Picture canvas = BackdropUnder(item.hwndItem, item.rcItem);
    const int press = (item.itemState & ODS_SELECTED) ? ScaleToDpi(1, dpi_) : 0;
    const PictureRef& face = button.Picture();
    if (face && !face->Empty())
        LayOver(canvas, *face, (canvas.width - face->width) / 2, (canvas.height - face->height) / 2 + press);
    DrawPicture(item.hDC, item.rcItem.left, item.rcItem.top, canvas);
    if (!face || face->Empty()) {
        const std::wstring caption = Widen(CaptionFor(*child.place, form_));
        RECT box = item.rcItem;
        SelectedObject selectFont(item.hDC, FontFor(*child.place));
        ::SetBkMode(item.hDC, TRANSPARENT);
        ::SetTextColor(item.hDC, kText);
        ::DrawTextW(item.hDC, caption.c_str(), static_cast<int>(caption.size()), &box,
                    DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
        RECT focus = item.rcItem;
        const int inset = ScaleToDpi(3, dpi_);
        ::InflateRect(&focus, -inset, -inset);
        ::DrawFocusRect(item.hDC, &focus);
    }
}

// A link is its caption in the model's colour, on the background.
void MainWindow::DrawLink(const DRAWITEMSTRUCT& item, const Child& child) {
    const auto& link = static_cast<Label&>(child.place->model(form_));
    DrawPicture(item.hDC, item.rcItem.left, item.rcItem.top, BackdropUnder(item.hwndItem, item.rcItem));
    const std::wstring caption = Widen(link.Caption());
    SelectedObject selectFont(item.hDC, FontFor(*child.place));
    ::SetBkMode(item.hDC, TRANSPARENT);
    ::SetTextColor(item.hDC, ToColorRef(link.ForeColor()));
    RECT box = item.rcItem;
    ::DrawTextW(item.hDC, caption.c_str(), static_cast<int>(caption.size()), &box,
                DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
        RECT text = item.rcItem;
        ::DrawTextW(item.hDC, caption.c_str(), static_cast<int>(caption.size()), &text,
                    DT_LEFT | DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
        const int height = text.bottom - text.top;
        text.top = item.rcItem.top + (item.rcItem.bottom - item.rcItem.top - height) / 2;
        text.bottom = text.top + height;
        ::InflateRect(&text, 1, 0);
        ::IntersectRect(&text, &text, &item.rcItem);
        ::DrawFocusRect(item.hDC, &text);
    }
}

// Check boxes and option buttons are drawn whole by the window, so their captions take the
// window's colours (a themed control would draw them black), a disabled caption stays readable on
// the dark pitch, and the warning caption keeps its red.
LRESULT MainWindow::OnCustomDraw(const NMCUSTOMDRAW& draw) {
    const Child* child = FindChild(draw.hdr.hwndFrom);
    if (!child || (child->place->kind != ViewKind::CheckBox && child->place->kind != ViewKind::OptionButton))
        return CDRF_DODEFAULT;
    if (draw.dwDrawStage != CDDS_PREPAINT)
        return CDRF_DODEFAULT;
    DrawToggleControl(*child, draw);
    return CDRF_SKIPDEFAULT;
}

void MainWindow::DrawToggleControl(const Child& child, const NMCUSTOMDRAW& draw) {
    const HWND control = child.window;
    const ControlPlace& place = *child.place;
    RECT client{};
    ::GetClientRect(control, &client);
    Picture canvas = BackdropUnder(control, client);

    const LRESULT check = ::SendMessageW(control, BM_GETCHECK, 0, 0);
    ToggleState state;
    state.value = check == BST_CHECKED ? 1 : check == BST_INDETERMINATE ? 2 : 0;
    state.enabled = ::IsWindowEnabled(control) != FALSE;
    state.hot = (draw.uItemState & CDIS_HOT) != 0;
    state.pressed = (::SendMessageW(control, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
    const Picture& glyph =
        ToggleGlyph(place.kind == ViewKind::OptionButton ? ToggleShape::Circle : ToggleShape::Box, state);
    // A bare box (no caption of its own on screen) sits in the middle of its place.
    const bool captioned = place.kind == ViewKind::CheckBox && !place.caption;
    const int glyphX = captioned ? 0 : (canvas.width - glyph.width) / 2;
    const int glyphY = (canvas.height - glyph.height) / 2;
    LayOver(canvas, glyph, glyphX, glyphY);
    DrawPicture(draw.hdc, 0, 0, canvas);

    RECT focus{glyphX - 1, glyphY - 1, glyphX + glyph.width + 1, glyphY + glyph.height + 1};
    if (captioned) {
        const std::wstring caption = Widen(static_cast<CheckBox&>(place.model(form_)).Caption());
        SelectedObject selectFont(draw.hdc, FontFor(place));
        ::SetBkMode(draw.hdc, TRANSPARENT);
        COLORREF ink = state.enabled ? kText : kDisabledText;
        if (place.look == ViewLook::Warning)
            ink = state.enabled ? kWarningText : kDisabledWarningText;
        ::SetTextColor(draw.hdc, ink);
        RECT text = client;
        text.left = glyph.width + ScaleToDpi(kToggleGap, dpi_);
        ::DrawTextW(draw.hdc, caption.c_str(), static_cast<int>(caption.size()), &text,
                    DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        focus = text;
        ::DrawTextW(draw.hdc, caption.c_str(), static_cast<int>(caption.size()), &focus,
                    DT_LEFT | DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
        const int height = focus.bottom - focus.top;
        focus.top = (client.bottom - height) / 2;
        focus.bottom = focus.top + height;
        focus.left -= 1;
        focus.right += 1;
    }
    if (ShowsFocus(control)) {
        ::IntersectRect(&focus, &focus, &client);
        ::DrawFocusRect(draw.hdc, &focus);
    }
}

const Picture& MainWindow::ToggleGlyph(ToggleShape shape, const ToggleState& state) {
    const uint32_t key = (shape == ToggleShape::Circle ? 1u : 0u) | static_cast<uint32_t>(state.value) << 1 |
                         (state.enabled ? 8u : 0u) | (state.hot ? 16u : 0u) | (state.pressed ? 32u : 0u);
    auto found = toggleGlyphs_.find(key);
    if (found == toggleGlyphs_.end())
        found = toggleGlyphs_.emplace(key, DrawToggle(shape, state, ScaleToDpi(kToggleSize, dpi_))).first;
    return found->second;
}

LRESULT CALLBACK
MainWindow::TextBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR selfData) {
    auto* self = reinterpret_cast<MainWindow*>(selfData);
    try {
        if (message == WM_CHAR) {
            const WPARAM code = self->FilterKey(static_cast<int>(id), wParam);
            const LRESULT result = code == 0 ? 0 : ::DefSubclassProc(window, message, code, lParam);
            self->SyncFromModel();
            return result;
        }
        if (message == WM_PASTE && self->HasKeyFilter(static_cast<int>(id))) {
            self->PasteThroughKeyFilter(static_cast<int>(id), window);
            self->SyncFromModel();
            return 0;
        }
        if (message == WM_NCDESTROY)
            ::RemoveWindowSubclass(window, &MainWindow::TextBoxProc, id);
        return ::DefSubclassProc(window, message, wParam, lParam);
    } catch (...) {
        return 0;
    }
}

// The wheel turns a closed box's selection without focusing it, so a long list waiting for its
// first use is put in first.
LRESULT CALLBACK
MainWindow::ComboBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR selfData) {
    auto* self = reinterpret_cast<MainWindow*>(selfData);
    try {
        if (message == WM_MOUSEWHEEL) {
            Child* child = self->FindChild(static_cast<int>(id));
            if (child && child->list == Child::List::SelectionOnly)
                self->ShowWholeList(*child);
        }
        if (message == WM_NCDESTROY)
            ::RemoveWindowSubclass(window, &MainWindow::ComboBoxProc, id);
        return ::DefSubclassProc(window, message, wParam, lParam);
    } catch (...) {
        return 0;
    }
}

bool MainWindow::HasKeyFilter(int id) {
    const Child* child = FindChild(id);
    return child && static_cast<TextBox&>(child->place->model(form_)).onKeyPress != nullptr;
}

// Pasted text meets the same key filter as typed text, one character after the other, so a paste
// cannot put into a box what typing could not.
void MainWindow::PasteThroughKeyFilter(int id, HWND edit) {
    std::wstring accepted;
    for (wchar_t c : ClipboardText(window_)) {
        if (c < L' ')  // line ends and other control characters are no keys typed into a box
            continue;
        if (const WPARAM code = FilterKey(id, c))
            accepted.push_back(static_cast<wchar_t>(code));
    }
    ::SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(accepted.c_str()));
}

WPARAM MainWindow::FilterKey(int id, WPARAM code) {
    const Child* child = FindChild(id);
    if (!child)
        return code;
    auto& box = static_cast<TextBox&>(child->place->model(form_));
    if (!box.onKeyPress)
        return code;
    int keyCode = static_cast<int>(code);
    box.onKeyPress(keyCode);
    return static_cast<WPARAM>(std::max(keyCode, 0));
}

// Shows the model again. The windows' own notifications of these changes are the model's own
// state coming back, so they are not handed to it again.
void MainWindow::SyncFromModel() {
    if (!window_ || syncing_)
        return;
    syncing_ = true;
    try {
        for (Child& child : children_)
            SyncChild(child);
        SyncTimers();
    } catch (...) {
        syncing_ = false;
        throw;
    }
    syncing_ = false;
}

void MainWindow::SyncChild(Child& child) {
    const ControlPlace& place = *child.place;
    switch (place.kind) {
        case ViewKind::CheckBox:
            SyncCheckBox(child, static_cast<CheckBox&>(place.model(form_)));
            break;
        case ViewKind::OptionButton:
            SyncOptionButton(child, static_cast<OptionButtonArray&>(place.model(form_)));
            break;
        case ViewKind::ComboBox:
            SyncComboBox(child, static_cast<ComboBox&>(place.model(form_)));
            break;
        case ViewKind::TextBox:
            SyncTextBox(child, static_cast<TextBox&>(place.model(form_)));
            break;
        case ViewKind::Label:
        case ViewKind::Link:
            SyncLabel(child, static_cast<Label&>(place.model(form_)));
            break;
        case ViewKind::LogoBox:
        case ViewKind::ImageButton:
            SyncPicture(child, static_cast<PictureBox&>(place.model(form_)));
            break;
        case ViewKind::Line:
            break;
    }
}

void MainWindow::SyncCheckBox(const Child& child, const CheckBox& box) {
    const WPARAM state = box.Value() == 1 ? BST_CHECKED : box.Value() == 2 ? BST_INDETERMINATE : BST_UNCHECKED;
    if (static_cast<WPARAM>(::SendMessageW(child.window, BM_GETCHECK, 0, 0)) != state)
        ::SendMessageW(child.window, BM_SETCHECK, state, 0);
    SetEnabled(child.window, box.Enabled());
}

void MainWindow::SyncOptionButton(const Child& child, const OptionButtonArray& array) {
    const WPARAM state = array.Selected() == child.place->element ? BST_CHECKED : BST_UNCHECKED;
    if (static_cast<WPARAM>(::SendMessageW(child.window, BM_GETCHECK, 0, 0)) != state)
        ::SendMessageW(child.window, BM_SETCHECK, state, 0);
    SetEnabled(child.window, array.Enabled());
}

void MainWindow::SyncComboBox(Child& child, const ComboBox& combo) {
    const LineList& list = combo.List();
    if (child.list == Child::List::NotShown || child.listRevision != list.Revision()) {
        const bool waits = list.Count() > kListsFilledAtOnce && combo.Style() == ComboStyle::DropDownList &&
                           ::GetFocus() != child.window && !::SendMessageW(child.window, CB_GETDROPPEDSTATE, 0, 0);
        if (waits) {
            child.list = Child::List::SelectionOnly;
            child.shownSelection = -2;  // no item at all yet
        } else {
            FillComboBox(child.window, list);
            child.list = Child::List::Whole;
        }
        child.listRevision = list.Revision();
    }
    if (child.list == Child::List::SelectionOnly) {
        if (child.shownSelection != combo.ListIndex()) {
            ShowSelectionOnly(child.window, list);
            child.shownSelection = combo.ListIndex();
        }
    } else if (combo.Style() == ComboStyle::Editable) {
        SetComboEditText(child.window, combo.ListIndex(), Widen(combo.Text()));
    } else if (static_cast<int>(::SendMessageW(child.window, CB_GETCURSEL, 0, 0)) != combo.ListIndex()) {
        ::SendMessageW(child.window, CB_SETCURSEL, static_cast<WPARAM>(combo.ListIndex()), 0);
    }
    SetEnabled(child.window, combo.Enabled());
}

void MainWindow::ShowWholeList(Child& child) {
    const auto& combo = static_cast<ComboBox&>(child.place->model(form_));
    FillComboBox(child.window, combo.List());
    ::SendMessageW(child.window, CB_SETCURSEL, static_cast<WPARAM>(combo.ListIndex()), 0);
    child.list = Child::List::Whole;
    child.listRevision = combo.List().Revision();
}

void MainWindow::SyncTextBox(const Child& child, const TextBox& box) {
    const std::wstring text = Widen(box.Text());
    if (WindowText(child.window) != text)
        ::SetWindowTextW(child.window, text.c_str());
    SetEnabled(child.window, box.Enabled());
}

void MainWindow::SyncLabel(Child& child, const Label& label) {
    if (!child.place->caption) {
        const std::wstring caption = Widen(label.Caption());
        if (WindowText(child.window) != caption)
            ::SetWindowTextW(child.window, caption.c_str());
    }
    if (child.place->kind == ViewKind::Link && child.color != label.ForeColor()) {
        child.color = label.ForeColor();
        ::InvalidateRect(child.window, nullptr, TRUE);
    }
}

void MainWindow::SyncPicture(Child& child, const PictureBox& box) {
    if (child.surfaceRevision != box.SurfaceRevision()) {
        child.surfaceRevision = box.SurfaceRevision();
        ::InvalidateRect(child.window, nullptr, FALSE);
    }
}

// The system's timers cannot tick faster than USER_TIMER_MINIMUM; the 1 ms fades tick at that.
void MainWindow::SyncTimers() {
    for (size_t i = 0; i < kTimers.size(); ++i) {
        const Timer* model = kTimers[i].model(form_);
        const bool wanted = model && model->Enabled();
        if (wanted == timerRunning_[i])
            continue;
        if (wanted) {
            ::SetTimer(window_, kTimers[i].id, std::max<UINT>(USER_TIMER_MINIMUM, static_cast<UINT>(model->Interval())),
                       nullptr);
            if (i == kTerminatorTimer)
                ::PostMessageW(window_, kTickTerminatorNow, 0, 0);
        } else
            ::KillTimer(window_, kTimers[i].id);
        timerRunning_[i] = wanted;
    }
}

int RunMessageLoop(const MainWindow& window) {
    MSG message{};
    for (;;) {
        const BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
        if (got == 0)
            return static_cast<int>(message.wParam);
        if (got == -1)
            return 1;
        const HWND main = window.Handle();
        if (main && ::IsDialogMessageW(main, &message))
            continue;
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

}  // namespace pp::win32
