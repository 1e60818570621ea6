#include "menu/game_view_win32.h"

#include <algorithm>
#include <string_view>

#include "menu/companion_place.h"
#include "menu/tool_message_win32.h"
#include "model/form1.h"
#include "model/settings_store.h"
#include "state/saved_state.h"
#include "win32/clipboard.h"
#include "win32/text.h"
#include "win32/window_proc.h"

namespace pp::win32 {
namespace {

constexpr wchar_t kTitle[] = L"What the game will get";
constexpr char kNoUserIni[] = "no user.ini: Save USER.INI is not checked";
constexpr char kNotCopied[] = "Nothing was copied: another program is holding the clipboard. Try again in a moment.";
// Lengths at 96 dpi.
constexpr int kMargin = 10, kLabel = 16, kLine = 22, kGap = 6, kButton = 28, kNotes = 52;
constexpr int kWidth = 520, kMinWidth = 360, kMinHeight = 420;

struct ControlRow {
    int id;
    const wchar_t* windowClass;
    DWORD style;
    const wchar_t* text;  // a label made before the control names it for screen readers
};

constexpr DWORD kReadOnlyBox = WS_TABSTOP | WS_BORDER | ES_READONLY | ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL;

// In tab order; a label's "&" letter with Alt moves to the box after it.
constexpr ControlRow kControls[] = {
    {IDC_GameView_Start, L"BUTTON", WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON, L"&Start"},
    {IDC_GameView_Penalty, L"BUTTON", BS_AUTORADIOBUTTON, L"Pe&nalty start"},
    {IDC_GameView_Program, L"EDIT", WS_TABSTOP | WS_BORDER | ES_READONLY | ES_AUTOHSCROLL | WS_GROUP, L"&Program"},
    {IDC_GameView_Folder, L"EDIT", WS_TABSTOP | WS_BORDER | ES_READONLY | ES_AUTOHSCROLL, L"&Working folder"},
    {IDC_GameView_Parameters, L"EDIT", kReadOnlyBox,
     L"P&arameters (each blank of a run of two or more shows as \u00B7)"},
    {IDC_GameView_Notes, L"EDIT", kReadOnlyBox, L"Cheat &tokens that write nothing to user.ini"},
    {IDC_GameView_UserIni, L"EDIT", kReadOnlyBox | WS_HSCROLL | ES_AUTOHSCROLL, L"&user.ini"},
    {IDC_GameView_CopyCommandLine, L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, L"&Copy command line"},
    {IDC_GameView_CopyUserIni, L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, L"Copy user.&ini"},
};

bool HasLabel(const ControlRow& row) {
    return std::wcscmp(row.windowClass, L"EDIT") == 0;
}

// Edit boxes want CR LF between lines.
// The place as StorePlace keeps it: four whole numbers, one blank apart. A text with more, fewer
// or other words is no place.
std::optional<RECT> ParsePlace(std::string_view text) {
    LONG numbers[4]{};
    for (int i = 0; i < 4; ++i) {
        const bool last = i == 3;
        const size_t blank = text.find(' ');
        if (last != (blank == std::string_view::npos))
            return std::nullopt;
        const std::optional<int> number = ParseWholeNumber(text.substr(0, blank));
        if (!number)
            return std::nullopt;
        numbers[i] = *number;
        text.remove_prefix(last ? text.size() : blank + 1);
    }
    return RECT{numbers[0], numbers[1], numbers[2], numbers[3]};
}

std::string WithCrLf(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n' && (out.empty() || out.back() != '\r'))
            out += '\r';
        out += c;
    }
    return out;
}

std::string NotesOf(const LaunchPreview& preview) {
    std::string notes;
    for (const auto& [token, why] : preview.unwritten)
        notes += token + "   (" + ReasonFor(why) + ")\r\n";
    if (!preview.command.fits)
        notes += "The game would not start: the command line is longer than Windows takes.\r\n";
    return notes.empty() ? "None." : notes;
}

// A copy that did not happen is told: the player would paste what was there before.
void Copy(HWND window, const std::string& text) {
    if (!WriteClipboardText(window, Widen(text)))
        ShowToolMessage(window, kNotCopied);
}

void SetText(HWND control, const std::string& text) {
    ::SetWindowTextW(control, Widen(text).c_str());
}

ScreenRect ToScreen(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

ScreenRect WorkAreaOf(HMONITOR monitor) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    ::GetMonitorInfoW(monitor, &info);
    return ToScreen(info.rcWork);
}

}  // namespace

GameView::GameView(Form1& form, HINSTANCE instance, HWND owner) : form_(form), instance_(instance), owner_(owner) {}

GameView::~GameView() {
    if (window_)
        ::DestroyWindow(window_);
}

void GameView::Show() {
    if (!window_ && !Create())
        return;
    ::ShowWindow(window_, ::IsIconic(window_) ? SW_RESTORE : SW_SHOW);
    ::SetForegroundWindow(window_);
}

bool GameView::IsDialogMessage(MSG& message) const {
    return window_ && ::IsDialogMessageW(window_, &message);
}

bool GameView::Create() {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    if (!::GetClassInfoExW(instance_, kGameViewClassName, &wc)) {
        wc.lpfnWndProc = WindowProcOf<GameView>;
        wc.hInstance = instance_;
        wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = kGameViewClassName;
        wc.hIcon = reinterpret_cast<HICON>(::GetClassLongPtrW(owner_, GCLP_HICON));
        if (!::RegisterClassExW(&wc))
            return false;
    }
    const RECT place = PlaceToOpen();
    window_ = ::CreateWindowExW(WS_EX_CONTROLPARENT, kGameViewClassName, kTitle, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                                place.left, place.top, place.right - place.left, place.bottom - place.top, owner_,
                                nullptr, instance_, this);
    if (!window_)
        return false;
    dpi_ = static_cast<int>(::GetDpiForWindow(window_));
    MakeFont();
    CreateControls();
    ::CheckRadioButton(window_, IDC_GameView_Start, IDC_GameView_Penalty,
                       kind_ == LaunchKind::Start ? IDC_GameView_Start : IDC_GameView_Penalty);
    LayOut();
    shown_.reset();
    Refresh();
    return true;
}

void GameView::CreateControls() {
    for (const ControlRow& row : kControls) {
        if (HasLabel(row))
            ::CreateWindowExW(0, L"STATIC", row.text, WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP, 0, 0, 0, 0, window_,
                              nullptr, instance_, nullptr);
        const HWND control =
            ::CreateWindowExW(HasLabel(row) ? WS_EX_CLIENTEDGE : 0, row.windowClass, HasLabel(row) ? L"" : row.text,
                              WS_CHILD | WS_VISIBLE | row.style, 0, 0, 0, 0, window_,
                              reinterpret_cast<HMENU>(INT_PTR{row.id}), instance_, nullptr);
        if (HasLabel(row))
            ::SendMessageW(control, EM_SETLIMITTEXT, 0, 0);  // as long as the cheat text is
    }
    for (HWND child = ::GetWindow(window_, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
}

void GameView::MakeFont() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    ::SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0, static_cast<UINT>(dpi_));
    font_.Reset(::CreateFontIndirectW(&metrics.lfMessageFont));
}

// Top to bottom: the kind of start, the program and its folder, then the parameters and user.ini
// sharing what height is left (user.ini the larger part), the notes, and the copy buttons.
void GameView::LayOut() {
    if (!window_)
        return;
    RECT client{};
    ::GetClientRect(window_, &client);
    auto px = [&](int length) { return ::MulDiv(length, dpi_, 96); };
    const int width = client.right - px(2 * kMargin);
    constexpr int kBoxes = 5;
    const int fixed =
        px(kMargin + (kLine + kGap) + kBoxes * (kLabel + 2 + kGap) + 2 * kLine + kNotes + kGap + kButton + kMargin);
    const int flexible = std::max(px(120), static_cast<int>(client.bottom) - fixed);
    int y = px(kMargin);
    HDWP positions = ::BeginDeferWindowPos(16);
    auto place = [&](HWND control, int x, int w, int h) {
        positions = ::DeferWindowPos(positions, control, nullptr, x, y, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
    };
    place(Control(IDC_GameView_Start), px(kMargin), px(120), px(kLine));
    place(Control(IDC_GameView_Penalty), px(kMargin + 130), px(160), px(kLine));
    y += px(kLine + kGap);
    const int heights[] = {kLine, kLine, 0, kNotes, 0};
    int box = 0;
    for (HWND child = ::GetWindow(window_, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (::GetDlgCtrlID(child) != 0)
            continue;  // the labels, each before its box
        place(child, px(kMargin), width, px(kLabel));
        y += px(kLabel + 2);
        const int id = IDC_GameView_Program + box;
        const int h = heights[box]                    ? px(heights[box])
                      : id == IDC_GameView_Parameters ? flexible * 2 / 5
                                                      : flexible * 3 / 5;
        place(Control(id), px(kMargin), width, h);
        y += h + px(kGap);
        ++box;
    }
    y += px(kGap);
    place(Control(IDC_GameView_CopyCommandLine), px(kMargin), px(150), px(kButton));
    place(Control(IDC_GameView_CopyUserIni), px(kMargin + 160), px(130), px(kButton));
    ::EndDeferWindowPos(positions);
}

void GameView::Refresh() {
    if (!window_)
        return;
    // Called at every tick of the window's timers: compared in place, the inputs cost no copy of a
    // long cheat text while nothing changes.
    std::string line = NextDirectiveLine(form_);
    // Whether user.ini would reach the game asks the file system, so it is looked at once a second.
    const UserIniObstacle before = obstacle_;
    if (const ULONGLONG now = ::GetTickCount64(); !shown_ || now - obstacleLookedAt_ >= 1000) {
        obstacle_ = WhyUserIniWouldNotReachTheGame(form_);
        obstacleLookedAt_ = now;
    }
    if (shown_ && shownKind_ == kind_ && shownKeep_ == form_.Check2.Value() &&
        shown_->command.workingFolder == form_.GameRoot() && shownLine_ == line && shownCheat_ == form_.TX1.Text() &&
        before == obstacle_)
        return;
    shownKind_ = kind_;
    shownKeep_ = form_.Check2.Value();
    shownLine_ = std::move(line);
    shownCheat_ = form_.TX1.Text();
    shown_ = PreviewLaunch(form_, kind_);
    SetText(Control(IDC_GameView_Program), shown_->command.program);
    SetText(Control(IDC_GameView_Folder), shown_->command.workingFolder);
    SetText(Control(IDC_GameView_Parameters), MarkBlankRuns(shown_->command.parameters));
    SetText(Control(IDC_GameView_Notes), NotesOf(*shown_));
    const bool reaches = shown_->userIni && obstacle_ == UserIniObstacle::None;
    SetText(Control(IDC_GameView_UserIni), reaches           ? WithCrLf(*shown_->userIni)
                                           : shown_->userIni ? UserIniWillNotReachTheGame(obstacle_)
                                                             : kNoUserIni);
    ::EnableWindow(Control(IDC_GameView_CopyUserIni), reaches);
}

// Where it was last, if that is still whole on a screen and clear of the main window; else beside
// the main window, which moves over when neither of its sides has room.
RECT GameView::PlaceToOpen() const {
    RECT owner{};
    ::GetWindowRect(owner_, &owner);
    try {
        if (const std::optional<std::string> stored =
                form_.os.settings.Get(kSettingsApplication, form_.settingsSection, kGameViewPlaceKey)) {
            const std::optional<RECT> r = ParsePlace(*stored);
            if (r && r->right > r->left && r->bottom > r->top &&
                KeepsItsPlace(ToScreen(*r), WorkAreaOf(::MonitorFromRect(&*r, MONITOR_DEFAULTTONEAREST)),
                              ToScreen(owner)))
                return *r;
        }
    } catch (const std::exception&) {
        // An unreadable place is no place: the window opens beside the main window.
    }
    const int dpi = static_cast<int>(::GetDpiForWindow(owner_));
    const ScreenRect main = ToScreen(owner);
    const PairPlace place = PlaceCompanion(
        WorkAreaOf(::MonitorFromWindow(owner_, MONITOR_DEFAULTTONEAREST)), main,
        {::MulDiv(kWidth, dpi, 96), ::MulDiv(kMinWidth, dpi, 96), ::MulDiv(kMinHeight, dpi, 96), ::MulDiv(8, dpi, 96)});
    if (place.main != main && !::IsIconic(owner_))
        ::SetWindowPos(owner_, nullptr, place.main.left, place.main.top, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return {place.companion.left, place.companion.top, place.companion.right, place.companion.bottom};
}

void GameView::StorePlace() const {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    if (!::GetWindowPlacement(window_, &placement))
        return;
    const RECT& r = placement.rcNormalPosition;
    try {
        form_.os.settings.Save(kSettingsApplication, form_.settingsSection, kGameViewPlaceKey,
                               std::to_string(r.left) + " " + std::to_string(r.top) + " " + std::to_string(r.right) +
                                   " " + std::to_string(r.bottom));
    } catch (const std::exception&) {
        // Not kept: it opens beside the main window next time.
    }
}

LRESULT GameView::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND window = window_;
    switch (message) {
        case WM_COMMAND:
            if (HIWORD(wParam) != BN_CLICKED)
                break;
            if (LOWORD(wParam) == IDC_GameView_Start || LOWORD(wParam) == IDC_GameView_Penalty) {
                kind_ = LOWORD(wParam) == IDC_GameView_Start ? LaunchKind::Start : LaunchKind::PenaltyStart;
                Refresh();
            } else if (LOWORD(wParam) == IDC_GameView_CopyCommandLine && shown_) {
                Copy(window, CommandLineOf(shown_->command));
            } else if (LOWORD(wParam) == IDC_GameView_CopyUserIni && shown_ && shown_->userIni) {
                Copy(window, WithCrLf(*shown_->userIni));
            } else if (LOWORD(wParam) == IDCANCEL) {  // Esc, from the dialog keys
                ::SendMessageW(window, WM_CLOSE, 0, 0);
            }
            return 0;
        // The dialog keys move the focus by this message, which only a dialog answers by itself: a
        // label's Alt key sends it twice, to the label and on to the box after it.
        case WM_NEXTDLGCTL: {
            const HWND next = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam)
                                             : ::GetNextDlgTabItem(window, ::GetFocus(), wParam != 0);
            if (next)
                ::SetFocus(next);
            if (next && (::SendMessageW(next, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL))
                ::SendMessageW(next, EM_SETSEL, 0, -1);
            return 0;
        }
        case WM_SIZE:
            LayOut();
            return 0;
        case WM_GETMINMAXINFO: {
            auto& limits = *reinterpret_cast<MINMAXINFO*>(lParam);
            limits.ptMinTrackSize = {::MulDiv(kMinWidth, dpi_, 96), ::MulDiv(kMinHeight, dpi_, 96)};
            return 0;
        }
        case WM_DPICHANGED: {
            dpi_ = HIWORD(wParam);
            MakeFont();
            for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
                ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), TRUE);
            const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
            ::SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                           suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
            return 0;
        }
        case WM_DESTROY:
            StorePlace();
            return 0;
        case WM_NCDESTROY:
            window_ = nullptr;
            break;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace pp::win32
