// The main window's painting: the backdrop, the image buttons, the links, the drawn check boxes
// and option buttons, and the colours of the system's own controls.
#include "view/main_window_win32.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <variant>

#include "model/form1.h"
#include "model/image_buttons.h"
#include "model/palette.h"
#include "model/pixels.h"
#include "shell/button_faces.h"
#include "view/form1_layout.h"
#include "win32/text.h"

namespace pp::win32 {
namespace {

// The box of a check box and the circle of an option button, and the gap before the caption,
// at 96 dpi.
constexpr int kToggleSize = 13;
constexpr int kToggleGap = 5;

constexpr COLORREF ToColorRef(Rgb color) {
    return RGB((color >> 16) & 0xFF, (color >> 8) & 0xFF, color & 0xFF);
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

void DrawLogo(const DRAWITEMSTRUCT& item, const Picture& surface) {
    if (!surface.Empty()) {
        DrawStretched(item.hDC, item.rcItem, surface);
        return;
    }
    UniqueBrush fill(::CreateSolidBrush(ToColorRef(kEmptyLogoColor)));
    ::FillRect(item.hDC, &item.rcItem, fill.Get());
    UniqueBrush edge(::CreateSolidBrush(ToColorRef(kEmptyLogoFrameColor)));
    ::FrameRect(item.hDC, &item.rcItem, edge.Get());
}

// Focus is shown once the keyboard has been used in the window, as everywhere in Windows.
bool ShowsFocus(HWND control) {
    return ::GetFocus() == control && !(::SendMessageW(control, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS);
}

// A ring of `thickness` pixels inside the edge of `ring`.
void DrawRing(HDC dc, RECT ring, Rgb color, int thickness) {
    UniqueBrush brush(::CreateSolidBrush(ToColorRef(color)));
    for (int i = 0; i < thickness; ++i) {
        ::FrameRect(dc, &ring, brush.Get());
        ::InflateRect(&ring, -1, -1);
    }
}

// The one-line text in `box` of `dc`, with the flags of its alignment.
void DrawLine(HDC dc, const std::wstring& text, RECT box, UINT alignment) {
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box,
                alignment | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

// The rectangle the text takes when drawn left-aligned and centred up and down in `box`, `margin`
// wider each side and half of it higher: where its focus mark goes, clipped to the control.
RECT TextFocusRect(HDC dc, const std::wstring& text, const RECT& box, int margin) {
    RECT measured = box;
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measured,
                DT_LEFT | DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
    const int height = measured.bottom - measured.top;
    measured.top = box.top + (box.bottom - box.top - height) / 2;
    measured.bottom = measured.top + height;
    ::InflateRect(&measured, margin, margin / 2);
    ::IntersectRect(&measured, &measured, &box);
    return measured;
}

}  // namespace

void MainWindow::MakeBrushes() {
    plainBackground_.Reset(::CreateSolidBrush(ToColorRef(kBackgroundColor)));
    cheatBackground_.Reset(::CreateSolidBrush(ToColorRef(kCheatBackgroundColor)));
    line_.Reset(::CreateSolidBrush(ToColorRef(kLineColor)));
}

LRESULT MainWindow::OnControlColor(HDC dc, HWND control, UINT message) {
    Child* child = FindChild(control);
    if (!child)
        return ::DefWindowProcW(window_, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
    const ControlPlace& place = *child->place;
    switch (place.Kind()) {
        case ViewKind::TextBox:
            if (place.look != ViewLook::Cheat)
                break;
            ::SetTextColor(dc, ToColorRef(kCheatTextColor));
            ::SetBkColor(dc, ToColorRef(kCheatBackgroundColor));
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
            Rgb text = kTextColor;
            if (place.look == ViewLook::Caption)
                text = kCaptionTextColor;
            else if (place.look == ViewLook::Notice)
                text = kNoticeTextColor;
            else if (place.look == ViewLook::Warning)
                text = kWarningTextColor;
            ::SetTextColor(dc, ToColorRef(text));
            ::SetBkColor(dc, ToColorRef(kBackgroundColor));
            ::SetBkMode(dc, TRANSPARENT);
            ::SetBrushOrgEx(dc, 0, 0, nullptr);
            return reinterpret_cast<LRESULT>(BackdropBrushFor(*child));
        }
    }
    return ::DefWindowProcW(window_, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
}

void MainWindow::OnDrawItem(const DRAWITEMSTRUCT& item) {
    const Child* child = FindChild(static_cast<int>(item.CtlID));
    if (!child)
        return;
    const ShownControl& shows = child->place->shows;
    if (const auto* button = std::get_if<ImageButtonView>(&shows))
        DrawImageButton(item, *child, button->Model(form_));
    else if (const auto* link = std::get_if<LinkView>(&shows))
        DrawLink(item, *child, link->Model(form_));
    else if (const auto* logo = std::get_if<LogoView>(&shows))
        DrawLogo(item, logo->Model(form_).Surface());
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
        ::FillRect(dc, &dirty, plainBackground_.Get());
    }
    if (const Child* box = FocusedBox(); box && ShowsFocusMarks())
        DrawRing(dc, FocusMarkAround(box->window), kFocusMarkColor, ScaleToDpi(1, dpi_));
    ::EndPaint(window_, &paint);
}

// An editable combo box has the focus in the edit field inside it.
const MainWindow::Child* MainWindow::FocusedBox() {
    const HWND focus = ::GetFocus();
    if (!focus)
        return nullptr;
    const Child* child = FindChild(focus);
    if (!child)
        child = FindChild(::GetParent(focus));
    if (!child || (child->place->Kind() != ViewKind::ComboBox && child->place->Kind() != ViewKind::TextBox))
        return nullptr;
    return child;
}

// Where the ring around a box goes: on the background, a pixel clear of the box at 100 %. The
// window does not draw over its children, so a caption close above keeps its text.
RECT MainWindow::FocusMarkAround(HWND box) const {
    RECT around{};
    ::GetWindowRect(box, &around);
    ::MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&around), 2);
    const int step = ScaleToDpi(2, dpi_);
    ::InflateRect(&around, step, step);
    return around;
}

bool MainWindow::ShowsFocusMarks() const {
    return !(::SendMessageW(window_, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS);
}

// The light ring at the edge of the face, and inside it the dark one: a face may be as light as the
// ring.
void MainWindow::DrawFocusMarkOnFace(HDC dc, const RECT& face) const {
    const int thickness = ScaleToDpi(1, dpi_);
    DrawRing(dc, face, kFocusMarkColor, thickness);
    RECT inner = face;
    ::InflateRect(&inner, -thickness, -thickness);
    DrawRing(dc, inner, kFocusMarkEdgeColor, thickness);
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
    for (Child& child : children_)
        child.backdrop.Reset();
    backdropBitmap_.Reset();
    backdrop_ = {};
    const Picture drawn = BackdropFor(dpi_);
    if (!drawn.Empty()) {
        const BITMAPINFO info = TopDownInfo(drawn);
        void* bits = nullptr;
        backdropBitmap_.Reset(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        if (backdropBitmap_ && bits) {
            std::copy(drawn.pixels.begin(), drawn.pixels.end(), static_cast<uint32_t*>(bits));
            // The bitmap's own pixels serve from here on; the drawing's copy goes.
            backdrop_ = {static_cast<const uint32_t*>(bits), drawn.width, drawn.height};
        } else {
            backdropBitmap_.Reset();
        }
    }
    toggleGlyphs_.clear();
    if (!FacesFit())
        InstallButtonFaces(form_, DrawButtonFaces(dpi_));
}

// Faces made at start-up for the system's dpi fit a window that opened at that dpi.
bool MainWindow::FacesFit() const {
    for (const ImageButtonRow& button : kImageButtons) {
        const PictureRef& face = form_.FBU.at(button.index).Picture();
        const PixelRect want = ScaleToDpi(Rect96{0, 0, button.width, button.height}, dpi_);
        if (!face || face->width != want.right || face->height != want.bottom)
            return false;
    }
    return true;
}

Picture MainWindow::BackdropUnder(HWND control, const RECT& rect) const {
    POINT origin{rect.left, rect.top};
    ::MapWindowPoints(control, window_, &origin, 1);
    Picture canvas(std::max(0L, rect.right - rect.left), std::max(0L, rect.bottom - rect.top),
                   0xFF000000u | kBackgroundColor);
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

// A brush of the control's own size: a brush keeps a copy of its pattern's pixels, and one for the
// whole window held the background a second time (1.6 MB at 96 dpi), where the controls that
// show it through cover less than a third of the window. Its pattern starts at the control's
// corner, where the caller puts the brush's origin.
HBRUSH MainWindow::BackdropBrushFor(Child& child) {
    if (!child.backdrop && backdrop_.bits) {
        RECT client{};
        ::GetClientRect(child.window, &client);
        const Picture under = BackdropUnder(child.window, client);
        if (!under.Empty()) {
            // A packed bitmap, rows bottom to top: the header, then the pixels.
            BITMAPINFOHEADER header{};
            header.biSize = sizeof(header);
            header.biWidth = under.width;
            header.biHeight = under.height;
            header.biPlanes = 1;
            header.biBitCount = 32;
            header.biCompression = BI_RGB;
            std::vector<uint32_t> packed(sizeof(header) / sizeof(uint32_t) + under.pixels.size());
            std::memcpy(packed.data(), &header, sizeof(header));
            uint32_t* rows = packed.data() + sizeof(header) / sizeof(uint32_t);
            for (int y = 0; y < under.height; ++y)
                std::copy_n(under.pixels.begin() + static_cast<ptrdiff_t>(under.height - 1 - y) * under.width,
                            under.width, rows + static_cast<size_t>(y) * static_cast<size_t>(under.width));
            child.backdrop.Reset(::CreateDIBPatternBrushPt(packed.data(), DIB_RGB_COLORS));
        }
    }
    return child.backdrop ? child.backdrop.Get() : plainBackground_.Get();
}

// The face the model's button shows now, over the background, centred; pressed, it moves down one
// step as a real button would. Without a face the caption stands in for it.
void MainWindow::DrawImageButton(const DRAWITEMSTRUCT& item, const Child& child, const PictureBox& button) {
    Picture canvas = BackdropUnder(item.hwndItem, item.rcItem);
    const int press = (item.itemState & ODS_SELECTED) ? ScaleToDpi(1, dpi_) : 0;
    const PictureRef& face = button.Picture();
    if (face && !face->Empty())
        BlendPerPixelAlpha(canvas, *face, (canvas.width - face->width) / 2, (canvas.height - face->height) / 2 + press);
    DrawPicture(item.hDC, item.rcItem.left, item.rcItem.top, canvas);
    if (!face || face->Empty()) {
        SelectedObject selectFont(item.hDC, FontFor(*child.place));
        ::SetBkMode(item.hDC, TRANSPARENT);
        ::SetTextColor(item.hDC, ToColorRef(kTextColor));
        DrawLine(item.hDC, Widen(CaptionFor(*child.place)), item.rcItem, DT_CENTER);
    }
    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT))
        DrawFocusMarkOnFace(item.hDC, item.rcItem);
}

// A link is its caption in the model's colour, on the background.
void MainWindow::DrawLink(const DRAWITEMSTRUCT& item, const Child& child, const Label& link) {
    DrawPicture(item.hDC, item.rcItem.left, item.rcItem.top, BackdropUnder(item.hwndItem, item.rcItem));
    const std::wstring caption = Widen(link.Caption());
    SelectedObject selectFont(item.hDC, FontFor(*child.place));
    ::SetBkMode(item.hDC, TRANSPARENT);
    ::SetTextColor(item.hDC, ToColorRef(link.ForeColor()));
    DrawLine(item.hDC, caption, item.rcItem, DT_LEFT);
    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT))
        DrawRing(item.hDC, TextFocusRect(item.hDC, caption, item.rcItem, ScaleToDpi(2, dpi_)), kFocusMarkColor,
                 ScaleToDpi(1, dpi_));
}

// Check boxes and option buttons are drawn whole by the window, so their captions take the
// window's colours (a themed control would draw them black), a disabled caption stays readable on
// the dark pitch, and the warning caption keeps its red.
LRESULT MainWindow::OnCustomDraw(const NMCUSTOMDRAW& draw) {
    const Child* child = FindChild(draw.hdr.hwndFrom);
    if (!child || (child->place->Kind() != ViewKind::CheckBox && child->place->Kind() != ViewKind::OptionButton))
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
    const auto* box = std::get_if<CheckBoxView>(&place.shows);
    const Picture& glyph = ToggleGlyph(box ? ToggleShape::Box : ToggleShape::Circle, state);
    // A bare box (no caption of its own on screen) sits in the middle of its place.
    const bool captioned = box && !place.caption;
    const int glyphX = captioned ? 0 : (canvas.width - glyph.width) / 2;
    const int glyphY = (canvas.height - glyph.height) / 2;
    BlendPerPixelAlpha(canvas, glyph, glyphX, glyphY);
    DrawPicture(draw.hdc, 0, 0, canvas);

    const int step = ScaleToDpi(1, dpi_);
    RECT focus{glyphX - step, glyphY - step, glyphX + glyph.width + step, glyphY + glyph.height + step};
    if (captioned) {
        const std::wstring caption = Widen(box->Model(form_).Caption());
        SelectedObject selectFont(draw.hdc, FontFor(place));
        ::SetBkMode(draw.hdc, TRANSPARENT);
        Rgb ink = state.enabled ? kTextColor : kDisabledTextColor;
        if (place.look == ViewLook::Warning)
            ink = state.enabled ? kWarningTextColor : kDisabledWarningTextColor;
        ::SetTextColor(draw.hdc, ToColorRef(ink));
        RECT text = client;
        text.left = glyph.width + ScaleToDpi(kToggleGap, dpi_);
        DrawLine(draw.hdc, caption, text, DT_LEFT);
        focus = TextFocusRect(draw.hdc, caption, text, ScaleToDpi(2, dpi_));
    }
    if (ShowsFocus(control)) {
        ::IntersectRect(&focus, &focus, &client);
        DrawRing(draw.hdc, focus, kFocusMarkColor, step);
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

}  // namespace pp::win32
