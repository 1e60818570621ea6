// The main window's children: one per row of the layout table, each of the system's class for
// its kind, with its font and its place at the window's dpi.
#include "view/main_window_win32.h"

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <variant>

#include "model/form1.h"
#include "view/form1_layout.h"
#include "win32/text.h"

namespace pp::win32 {
namespace {

// Font sizes in hundredths of a point.
constexpr int kDefaultFontSize = 975;
constexpr int kCheatFontSize = 900;

// How far a combo box's list drops, at 96 dpi.
constexpr int kComboDropHeight = 260;

struct ChildClass {
    const wchar_t* className;
    DWORD style;
    DWORD extendedStyle;
};

// Tab reaches every control in the table's order. Every control starts a group of its own, except
// the option buttons after the first, so the arrow keys move between the side buttons only.
constexpr DWORD kTabStop = WS_TABSTOP | WS_GROUP;

ChildClass ClassFor(const ControlPlace& place, Form1& form) {
    return std::visit(
        Overloaded{
            // A caption with an access key underlines it; any other shows its "&" as it stands.
            [&place](const CaptionView&) -> ChildClass {
                const DWORD prefix = place.accessKey ? 0 : SS_NOPREFIX;
                return {L"STATIC",
                        static_cast<DWORD>(WS_GROUP | prefix | (place.look == ViewLook::Notice ? SS_CENTER : SS_LEFT)),
                        0};
            },
            // A link is a button drawn as text, so the keyboard reaches it as well as the mouse.
            [](const LinkView&) -> ChildClass {
                return {L"BUTTON", BS_OWNERDRAW | kTabStop, 0};
            },
            [](const CheckBoxView&) -> ChildClass {
                return {L"BUTTON", BS_3STATE | kTabStop, 0};
            },
            [](const OptionButtonView& view) -> ChildClass {
                return {L"BUTTON", static_cast<DWORD>(BS_RADIOBUTTON | WS_TABSTOP | (view.element == 0 ? WS_GROUP : 0)),
                        0};
            },
            [&form](const ComboBoxView& view) -> ChildClass {
                const bool editable = view.Model(form).Style() == ComboStyle::Editable;
                const DWORD style = editable ? CBS_DROPDOWN | CBS_AUTOHSCROLL : CBS_DROPDOWNLIST;
                return {L"COMBOBOX", style | WS_VSCROLL | kTabStop, 0};
            },
            [](const TextBoxView&) -> ChildClass {
                return {L"EDIT", ES_AUTOHSCROLL | kTabStop, WS_EX_CLIENTEDGE};
            },
            [](const ImageButtonView&) -> ChildClass {
                return {L"BUTTON", BS_OWNERDRAW | kTabStop, 0};
            },
            [](const LineView&) -> ChildClass {
                return {L"STATIC", WS_GROUP | SS_LEFT, 0};
            },
            [](const LogoView&) -> ChildClass {
                return {L"STATIC", WS_GROUP | SS_OWNERDRAW, 0};
            },
        },
        place.shows);
}

UniqueFont MakeArial(int hundredthsOfPoint, int dpi, bool bold) {
    return UniqueFont(::CreateFontW(FontHeightForDpi(hundredthsOfPoint, dpi), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL,
                                    FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                    CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_SWISS, L"Arial"));
}

}  // namespace

bool MainWindow::CreateChildren() {
    for (const ControlPlace& place : Form1Layout()) {
        const ChildClass childClass = ClassFor(place, form_);
        const PixelRect r = ChildRect(place);
        const HWND child = ::CreateWindowExW(
            childClass.extendedStyle, childClass.className, Widen(WindowTextFor(place)).c_str(),
            WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | childClass.style, r.left, r.top, r.right - r.left,
            r.bottom - r.top, window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(place.id)), instance_, nullptr);
        if (!child)
            return false;
        ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(place)), FALSE);
        children_.push_back({&place, child});
        if (place.Kind() == ViewKind::ComboBox)
            Subclass(children_.back(), &MainWindow::ComboBoxProc);
        if (const auto* box = std::get_if<TextBoxView>(&place.shows)) {
            Subclass(children_.back(), &MainWindow::TextBoxProc);
            const std::string& tip = box->Model(form_).toolTip;
            if (!tip.empty())
                CreateToolTip(children_.back(), tip);
        }
    }
    return true;
}

// The main window's procedure goes before the control's own. Not the common controls' subclasses:
// those look their chain up in a window property at every message, which under Wine is a call to
// its server, twice a message; 100,000 items put into a list box took 5 s that way. The control's
// user data names the main window.
void MainWindow::Subclass(Child& child, WNDPROC proc) {
    ::SetWindowLongPtrW(child.window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    child.systemProc =
        reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(child.window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc)));
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
    return place.Kind() == ViewKind::ImageButton ? fonts_.bold.Get() : fonts_.normal.Get();
}

// A combo box's window height includes its dropped-down list.
PixelRect MainWindow::ChildRect(const ControlPlace& place) const {
    PixelRect r = ScaleToDpi(place.rect, dpi_);
    if (place.Kind() == ViewKind::ComboBox)
        r.bottom += ScaleToDpi(kComboDropHeight, dpi_);
    return r;
}

// Places every child from the table at the window's dpi, and gives it its font at that dpi.
void MainWindow::LayOut() {
    for (Child& child : children_) {
        child.backdrop.Reset();  // what lies under it moves with it
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

// A screen reader names a control by its window text: a control that shows no words of its own
// carries its name there.
std::string MainWindow::WindowTextFor(const ControlPlace& place) const {
    if (place.name)
        return place.name;
    return place.accessKey ? MarkAccessKey(CaptionFor(place), place.accessKey) : CaptionFor(place);
}

// Texts that change are shown by the sync. A check box always carries its own caption, even one
// shown bare, so that accessibility tools can name it.
std::string MainWindow::CaptionFor(const ControlPlace& place) const {
    if (const auto* box = std::get_if<CheckBoxView>(&place.shows))
        return box->Model(form_).Caption();
    if (place.caption)
        return place.caption;
    if (const auto* label = std::get_if<CaptionView>(&place.shows))
        return label->Model(form_).Caption();
    if (const auto* link = std::get_if<LinkView>(&place.shows))
        return link->Model(form_).Caption();
    return {};
}

std::wstring MainWindow::WindowText(HWND window) {
    std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
    const int length = ::GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<size_t>(std::max(length, 0)));
    return text;
}

MainWindow::Child* MainWindow::FindChild(HWND window) {
    for (Child& child : children_)
        if (child.window == window)
            return &child;
    return nullptr;
}

}  // namespace pp::win32
