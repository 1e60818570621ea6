#include "view/skin_win32.h"

#include <array>
#include <cmath>
#include <functional>
#include <memory>
#include <string>

#include "model/control_ids.h"
#include "model/image_buttons.h"
#include "model/palette.h"
#include "view/dpi.h"
#include "view/form1_layout.h"
#include "view/pitch.h"
#include "win32/gdiplus_session.h"
#include "win32/text.h"

namespace pp::win32 {
namespace {

namespace G = Gdiplus;

// Fonts are given in pixels at 96 dpi; the drawing is scaled as a whole.
constexpr G::REAL kCaptionFontPixels = 11.0f;
constexpr G::REAL kBrandFontPixels = 12.0f;
constexpr G::REAL kVersusFontPixels = 15.0f;
// Arial, or where it is missing (Wine) the font made to its measure, or the system's sans serif.
constexpr const wchar_t* kFontFaces[] = {L"Arial", L"Liberation Sans"};

std::unique_ptr<G::Font> CaptionFont(G::REAL pixels) {
    for (const wchar_t* face : kFontFaces) {
        G::FontFamily family(face);
        if (family.GetLastStatus() == G::Ok)
            return std::make_unique<G::Font>(&family, pixels, G::FontStyleBold, G::UnitPixel);
    }
    return std::make_unique<G::Font>(G::FontFamily::GenericSansSerif(), pixels, G::FontStyleBold, G::UnitPixel);
}

// Draws `draw` onto `picture` (premultiplied 0xAARRGGBB) in units of `unitsX` x `unitsY`, so a
// drawing made for 96 dpi fills the picture at any resolution. GDI+ draws straight into the
// picture's pixels. False, with the picture as it was, when GDI+ could not draw.
bool DrawOnto(Picture& picture, G::REAL unitsX, G::REAL unitsY, const std::function<void(G::Graphics&)>& draw) {
    GdiplusSession session;
    if (!session.Running() || picture.Empty())
        return false;
    G::Bitmap bitmap(picture.width, picture.height, picture.width * static_cast<INT>(sizeof(uint32_t)),
                     PixelFormat32bppPARGB, reinterpret_cast<BYTE*>(picture.pixels.data()));
    if (bitmap.GetLastStatus() != G::Ok)
        return false;
    G::Graphics graphics(&bitmap);
    if (graphics.GetLastStatus() != G::Ok)
        return false;
    graphics.SetSmoothingMode(G::SmoothingModeAntiAlias);
    graphics.SetPixelOffsetMode(G::PixelOffsetModeHalf);
    graphics.SetTextRenderingHint(G::TextRenderingHintAntiAliasGridFit);
    graphics.SetCompositingQuality(G::CompositingQualityHighQuality);
    graphics.ScaleTransform(static_cast<G::REAL>(picture.width) / unitsX,
                            static_cast<G::REAL>(picture.height) / unitsY);
    draw(graphics);
    return true;
}

// Premultiplied pixels made straight, as a Picture holds them.
void Unpremultiply(Picture& picture) {
    for (uint32_t& pixel : picture.pixels) {
        const uint32_t alpha = pixel >> 24;
        if (alpha == 0 || alpha == 255)
            continue;
        uint32_t straight = alpha << 24;
        for (int shift : {16, 8, 0}) {
            const uint32_t channel = ((pixel >> shift & 0xFFu) * 255 + alpha / 2) / alpha;
            straight |= (channel > 255 ? 255 : channel) << shift;
        }
        pixel = straight;
    }
}

// A picture of `width` x `height` pixels, transparent but for what `draw` draws on it in units of
// `unitsX` x `unitsY`. Empty when GDI+ failed.
Picture Render(int width, int height, G::REAL unitsX, G::REAL unitsY, const std::function<void(G::Graphics&)>& draw) {
    if (width <= 0 || height <= 0)
        return {};
    Picture picture(width, height, 0);
    if (!DrawOnto(picture, unitsX, unitsY, draw))
        return {};
    Unpremultiply(picture);
    return picture;
}

void AddRoundedRect(G::GraphicsPath& path, const G::RectF& r, G::REAL radius) {
    const G::REAL d = radius * 2;
    path.AddArc(r.X, r.Y, d, d, 180, 90);
    path.AddArc(r.X + r.Width - d, r.Y, d, d, 270, 90);
    path.AddArc(r.X + r.Width - d, r.Y + r.Height - d, d, d, 0, 90);
    path.AddArc(r.X, r.Y + r.Height - d, d, d, 90, 90);
    path.CloseFigure();
}

G::RectF RectOf(const Rect96& r) {
    return G::RectF(static_cast<G::REAL>(r.x), static_cast<G::REAL>(r.y), static_cast<G::REAL>(r.width),
                    static_cast<G::REAL>(r.height));
}

Rect96 PlaceOf(int id) {
    const ControlPlace* place = FindPlace(id);
    return place ? place->rect : Rect96{};
}

// The pitch's lines in chalk, faint enough to stay behind the controls: the boundary, the halfway
// line with its circle and spot between the two logos, and the corner arcs.
void DrawMarkings(G::Graphics& g, G::REAL width, G::REAL height, const G::RectF& homeLogo, const G::RectF& awayLogo) {
    G::Pen chalk(G::Color(kChalk), 1.5f);
    const G::REAL inset = 8.0f;
    g.DrawRectangle(&chalk, inset, inset, width - 2 * inset, height - 2 * inset);
    const G::REAL middle = width / 2;
    g.DrawLine(&chalk, middle, inset, middle, height - inset);
    const G::REAL centreY = homeLogo.Y + homeLogo.Height / 2;
    const G::REAL radius = (awayLogo.X - (homeLogo.X + homeLogo.Width)) / 2 + 10.0f;
    g.DrawEllipse(&chalk, middle - radius, centreY - radius, 2 * radius, 2 * radius);
    constexpr G::REAL kCorner = 12.0f;
    g.DrawArc(&chalk, inset - kCorner, inset - kCorner, 2 * kCorner, 2 * kCorner, 0, 90);
    g.DrawArc(&chalk, width - inset - kCorner, inset - kCorner, 2 * kCorner, 2 * kCorner, 90, 90);
    g.DrawArc(&chalk, width - inset - kCorner, height - inset - kCorner, 2 * kCorner, 2 * kCorner, 180, 90);
    g.DrawArc(&chalk, inset - kCorner, height - inset - kCorner, 2 * kCorner, 2 * kCorner, 270, 90);
}

// A ball: a light disc with a dark patch in the middle and the seams running from it to the rim.
void DrawBall(G::Graphics& g, G::REAL cx, G::REAL cy, G::REAL r) {
    G::SolidBrush ball{G::Color(kBall)}, patch{G::Color(kBallPatch)};
    g.FillEllipse(&ball, cx - r, cy - r, 2 * r, 2 * r);
    G::Pen seam(G::Color(kBallPatch), r * 0.16f);
    constexpr double kPi = 3.14159265358979323846;
    std::array<G::PointF, 5> pentagon;
    for (size_t i = 0; i < pentagon.size(); ++i) {
        const double angle = -kPi / 2 + static_cast<double>(i) * 2 * kPi / 5;
        const auto dx = static_cast<G::REAL>(std::cos(angle)), dy = static_cast<G::REAL>(std::sin(angle));
        pentagon[i] = G::PointF(cx + dx * r * 0.4f, cy + dy * r * 0.4f);
        g.DrawLine(&seam, pentagon[i], G::PointF(cx + dx * r, cy + dy * r));
    }
    g.FillPolygon(&patch, pentagon.data(), static_cast<INT>(pentagon.size()));
    G::Pen rim(G::Color(kBallPatch), r * 0.14f);
    g.DrawEllipse(&rim, cx - r, cy - r, 2 * r, 2 * r);
}

// The bands along the top (the title strip with the tool's name) and the bottom (the links).
void DrawBands(G::Graphics& g, G::REAL width, G::REAL height) {
    constexpr auto kTop = static_cast<G::REAL>(kTitleStripHeight);
    constexpr G::REAL kBottom = 30.0f;
    G::SolidBrush band{G::Color(kBand)};
    g.FillRectangle(&band, 0.0f, 0.0f, width, kTop);
    g.FillRectangle(&band, 0.0f, height - kBottom, width, kBottom);
    G::Pen edge(G::Color(kBandEdge), 1.0f);
    g.DrawLine(&edge, 0.0f, kTop, width, kTop);
    g.DrawLine(&edge, 0.0f, height - kBottom, width, height - kBottom);

    DrawBall(g, 23.0f, 13.0f, 7.0f);
    const auto font = CaptionFont(kBrandFontPixels);
    G::SolidBrush brand{G::Color(kBrand)};
    G::StringFormat format;
    format.SetLineAlignment(G::StringAlignmentCenter);
    g.DrawString(L"PITCH PILOT", -1, font.get(), G::RectF(35.0f, 0.0f, 160.0f, kTop), &format, &brand);
}

// A soft lit rim around each team logo, and "VS" between them.
void DrawLogoSettings(G::Graphics& g, const G::RectF& homeLogo, const G::RectF& awayLogo) {
    for (const G::RectF& logo : {homeLogo, awayLogo}) {
        for (int ring = 3; ring >= 1; --ring) {
            G::GraphicsPath glow;
            const G::REAL grow = static_cast<G::REAL>(ring) * 2.0f;
            AddRoundedRect(glow, G::RectF(logo.X - grow, logo.Y - grow, logo.Width + 2 * grow, logo.Height + 2 * grow),
                           3.0f + grow);
            G::Pen pen(G::Color(static_cast<BYTE>(G::Color(kLogoGlow).GetA() / ring), 200, 255, 0), 1.5f);
            g.DrawPath(&pen, &glow);
        }
        G::Pen rim(G::Color(kLogoRim), 1.0f);
        g.DrawRectangle(&rim, logo.X - 1.0f, logo.Y - 1.0f, logo.Width + 1.0f, logo.Height + 1.0f);
    }
    const auto font = CaptionFont(kVersusFontPixels);
    G::SolidBrush ink{G::Color(kVersus)};
    G::StringFormat format;
    format.SetAlignment(G::StringAlignmentCenter);
    format.SetLineAlignment(G::StringAlignmentCenter);
    const G::REAL left = homeLogo.X + homeLogo.Width;
    g.DrawString(L"VS", -1, font.get(), G::RectF(left, homeLogo.Y, awayLogo.X - left, homeLogo.Height), &format, &ink);
}

void DrawFrame(G::Graphics& g, G::REAL width, G::REAL height) {
    G::Pen frame(G::Color(kPitchFrame), 1.0f);
    g.DrawRectangle(&frame, 0.5f, 0.5f, width - 1.0f, height - 1.0f);
}

// The body of a button: a rounded plate in its colours with a faint gloss on its upper half.
void DrawPlate(G::Graphics& g, const G::RectF& body, G::REAL radius, const ButtonLook& look) {
    G::GraphicsPath plate;
    AddRoundedRect(plate, body, radius);
    G::LinearGradientBrush fill(G::PointF(0, body.Y - 0.5f), G::PointF(0, body.Y + body.Height + 0.5f),
                                G::Color(look.top), G::Color(look.bottom));
    g.FillPath(&fill, &plate);

    G::GraphicsPath gloss;
    AddRoundedRect(gloss, G::RectF(body.X + 1.0f, body.Y + 1.0f, body.Width - 2.0f, body.Height / 2), radius - 1.0f);
    G::LinearGradientBrush shine(G::PointF(0, body.Y), G::PointF(0, body.Y + body.Height / 2 + 1.0f),
                                 G::Color(kGlossTop), G::Color(kGlossBottom));
    g.FillPath(&shine, &gloss);

    G::Pen rim(G::Color(look.rim), 1.0f);
    g.DrawPath(&rim, &plate);
}

// A wide button: its caption in bold capitals, after a play mark for the start button.
void DrawWideFace(G::Graphics& g, const Rect96& size, const wchar_t* caption, bool playMark, const ButtonLook& look) {
    const auto w = static_cast<G::REAL>(size.width), h = static_cast<G::REAL>(size.height);
    DrawPlate(g, G::RectF(0.5f, 0.5f, w - 1.0f, h - 1.0f), 4.0f, look);

    const auto font = CaptionFont(kCaptionFontPixels);
    G::SolidBrush ink{G::Color(look.ink)};
    G::StringFormat format(G::StringFormat::GenericTypographic());
    format.SetLineAlignment(G::StringAlignmentCenter);
    G::RectF measured;
    g.MeasureString(caption, -1, font.get(), G::PointF(0, 0), &format, &measured);
    constexpr G::REAL kMark = 6.0f;
    constexpr G::REAL kGap = 4.0f;
    const G::REAL total = measured.Width + (playMark ? kMark + kGap : 0.0f);
    G::REAL x = (w - total) / 2;
    if (playMark) {
        const G::REAL cy = h / 2;
        const G::PointF mark[] = {{x, cy - 4.0f}, {x, cy + 4.0f}, {x + kMark, cy}};
        g.FillPolygon(&ink, mark, 3);
        x += kMark + kGap;
    }
    g.DrawString(caption, -1, font.get(), G::RectF(x, 0.0f, measured.Width + 2.0f, h + 1.0f), &format, &ink);
}

enum class CornerGlyph { Close, Minimise };

// A corner button: a small plate with a cross or a bar drawn in strokes.
void DrawCornerFace(G::Graphics& g, const Rect96& size, CornerGlyph glyph, const ButtonLook& look) {
    const auto w = static_cast<G::REAL>(size.width), h = static_cast<G::REAL>(size.height);
    DrawPlate(g, G::RectF(0.5f, 0.5f, w - 1.0f, h - 1.0f), 3.0f, look);
    G::Pen pen(G::Color(look.ink), 1.7f);
    pen.SetStartCap(G::LineCapRound);
    pen.SetEndCap(G::LineCapRound);
    const G::REAL cx = w / 2, cy = h / 2;
    if (glyph == CornerGlyph::Close) {
        constexpr G::REAL kArm = 3.6f;
        g.DrawLine(&pen, cx - kArm, cy - kArm, cx + kArm, cy + kArm);
        g.DrawLine(&pen, cx - kArm, cy + kArm, cx + kArm, cy - kArm);
    } else {
        g.DrawLine(&pen, cx - 4.0f, cy + 3.5f, cx + 4.0f, cy + 3.5f);
    }
}

// A button's face by what it does: a cross or a bar on a corner button, the caption on a wide one,
// with a play mark and warmer colours for the start.
void DrawFace(G::Graphics& g, const ImageButtonRow& button, bool hover) {
    const Rect96 size{0, 0, button.width, button.height};
    const std::wstring caption = Widen(button.caption);
    switch (button.action) {
        case ImageButtonAction::SaveAndClose:
            DrawCornerFace(g, size, CornerGlyph::Close, hover ? kCloseLitButton : kCornerButton);
            break;
        case ImageButtonAction::Minimise:
            DrawCornerFace(g, size, CornerGlyph::Minimise, hover ? kLitButton : kCornerButton);
            break;
        case ImageButtonAction::Start:
            DrawWideFace(g, size, caption.c_str(), true, hover ? kStartLitButton : kStartButton);
            break;
        case ImageButtonAction::Save:
        case ImageButtonAction::PenaltyStart:
            DrawWideFace(g, size, caption.c_str(), false, hover ? kLitButton : kQuietButton);
            break;
    }
}

PictureRef Shared(Picture picture) {
    if (picture.Empty())
        return nullptr;
    return std::make_shared<const Picture>(std::move(picture));
}

}  // namespace

Picture DrawBackground(int dpi) {
    const auto width = static_cast<G::REAL>(kForm1Width), height = static_cast<G::REAL>(kForm1Height);
    const G::RectF homeLogo = RectOf(PlaceOf(IDC_P_SHOW));
    const G::RectF awayLogo = RectOf(PlaceOf(IDC_P_SHOW2));
    Picture picture(ScaleToDpi(kForm1Width, dpi), ScaleToDpi(kForm1Height, dpi));
    PaintPitch(picture, width, height);
    DrawOnto(picture, width, height, [&](G::Graphics& g) {
        DrawMarkings(g, width, height, homeLogo, awayLogo);
        DrawBands(g, width, height);
        DrawLogoSettings(g, homeLogo, awayLogo);
        DrawFrame(g, width, height);
    });
    return picture;
}

ButtonFaceSet DrawButtonFaces(int dpi) {
    ButtonFaceSet faces;
    for (const ImageButtonRow& button : kImageButtons) {
        const auto render = [&](bool hover) {
            const PixelRect pixels = ScaleToDpi(Rect96{0, 0, button.width, button.height}, dpi);
            return Shared(Render(pixels.right, pixels.bottom, static_cast<G::REAL>(button.width),
                                 static_cast<G::REAL>(button.height),
                                 [&](G::Graphics& g) { DrawFace(g, button, hover); }));
        };
        faces[button.index] = {render(false), render(true)};
    }
    return faces;
}

Picture DrawToggle(ToggleShape shape, const ToggleState& state, int size) {
    constexpr G::REAL kUnits = 13.0f;
    return Render(size, size, kUnits, kUnits, [&](G::Graphics& g) {
        const G::ARGB fill = state.pressed ? kTogglePressedFill : kToggleFill;
        const G::ARGB rim = !state.enabled ? kToggleDisabledRim : state.hot ? kToggleHotRim : kToggleRim;
        const G::ARGB mark = state.enabled ? kToggleMark : kToggleDisabledMark;
        G::SolidBrush body{G::Color(fill)}, ink{G::Color(mark)};
        G::Pen edge(G::Color(rim), 1.0f);
        const G::RectF outline(0.5f, 0.5f, kUnits - 1.0f, kUnits - 1.0f);
        if (shape == ToggleShape::Circle) {
            g.FillEllipse(&body, outline);
            g.DrawEllipse(&edge, outline);
            if (state.value == 1)
                g.FillEllipse(&ink, 3.5f, 3.5f, kUnits - 7.0f, kUnits - 7.0f);
            return;
        }
        G::GraphicsPath box;
        AddRoundedRect(box, outline, 2.5f);
        g.FillPath(&body, &box);
        g.DrawPath(&edge, &box);
        if (state.value == 1) {
            G::Pen tick(G::Color(mark), 2.0f);
            tick.SetStartCap(G::LineCapRound);
            tick.SetEndCap(G::LineCapRound);
            tick.SetLineJoin(G::LineJoinRound);
            const G::PointF points[] = {{3.2f, 6.8f}, {5.5f, 9.2f}, {9.9f, 3.9f}};
            g.DrawLines(&tick, points, 3);
        } else if (state.value == 2) {
            g.FillRectangle(&ink, 3.5f, 3.5f, kUnits - 7.0f, kUnits - 7.0f);
        }
    });
}

}  // namespace pp::win32
