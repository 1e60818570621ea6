#pragma once

#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "view/dpi.h"

namespace pp {

class Form1;
class CheckBox;
class ComboBox;
class Label;
class OptionButtonArray;
class PictureBox;
class TextBox;

// The main window's client area at 96 dpi.
inline constexpr int kForm1Width = 725;
inline constexpr int kForm1Height = 569;

// What a shown control is on screen, and the model control it shows, one type each. The view
// dispatches on these with std::visit, so a row cannot hand it a control of another kind.
struct CaptionView {  // a label's caption
    Label& (*model)(Form1&);
    Label& Model(Form1& form) const { return model(form); }
};
struct LinkView {  // link label FLB(element): a clickable caption in the model's fore colour
    int element;
    Label& Model(Form1& form) const;
};
struct CheckBoxView {
    CheckBox Form1::*model;
    CheckBox& Model(Form1& form) const;
};
struct OptionButtonView {  // one element of the option button array OT
    int element;
    OptionButtonArray& Model(Form1& form) const;
};
struct ComboBoxView {  // drop-down list or editable, as the model says
    ComboBox Form1::*model;
    ComboBox& Model(Form1& form) const;
};
struct TextBoxView {
    TextBox Form1::*model;
    TextBox& Model(Form1& form) const;
};
struct ImageButtonView {  // image button FBU(index): a clickable picture
    int index;
    PictureBox& Model(Form1& form) const;
};
struct LineView {};  // decoration, no model control
struct LogoView {    // a picture box that shows its drawing surface
    PictureBox Form1::*model;
    PictureBox& Model(Form1& form) const;
};

using ShownControl = std::variant<CaptionView,
                                  LinkView,
                                  CheckBoxView,
                                  OptionButtonView,
                                  ComboBoxView,
                                  TextBoxView,
                                  ImageButtonView,
                                  LineView,
                                  LogoView>;

// The alternative a row holds, for code that only asks what a control is.
enum class ViewKind { Label, Link, CheckBox, OptionButton, ComboBox, TextBox, ImageButton, Line, LogoBox };
static_assert(std::variant_size_v<ShownControl> == static_cast<size_t>(ViewKind::LogoBox) + 1,
              "one kind per alternative of ShownControl, in the same order");

// How a control is drawn beyond its kind: fonts and colours.
enum class ViewLook {
    Plain,
    Caption,  // the bold captions above the option controls
    Notice,   // the hot-key notice along the top edge, light yellow
    Warning,  // red bold
    Cheat,    // light yellow box, Arial 9 pt
};

// One shown control: the model control it shows, its control ID, its place at 96 dpi and its
// look. The window is built from the table of these and nothing else.
struct ControlPlace {
    constexpr ControlPlace(ShownControl shown,
                           int controlId,
                           Rect96 place,
                           ViewLook drawnAs = ViewLook::Plain,
                           const char* fixedCaption = nullptr)
        : shows(shown), id(controlId), rect(place), look(drawnAs), caption(fixedCaption) {}

    // What the row shows, for code that only asks what kind of control it is.
    constexpr ViewKind Kind() const { return static_cast<ViewKind>(shows.index()); }

    // The row with a name for screen readers, for a control that shows no words of its own.
    constexpr ControlPlace Named(const char* spoken) const {
        ControlPlace named = *this;
        named.name = spoken;
        return named;
    }
    // The caption row whose letter, with Alt, moves to the box after it.
    constexpr ControlPlace AccessKey(char letter) const {
        ControlPlace keyed = *this;
        keyed.accessKey = letter;
        return keyed;
    }

    ShownControl shows;
    int id;
    Rect96 rect;
    ViewLook look;
    // Shown instead of the model's caption; null shows the model's, "" shows none.
    const char* caption;
    // What a screen reader says for the control; null says its caption.
    const char* name = nullptr;
    // A caption's underlined letter (upper case); 0 for none.
    char accessKey = 0;
};

// Every shown control of the main window in tab order, which is reading order: the window row by
// row, left to right; where two blocks stand side by side (the option boxes and the check boxes),
// each block row by row, the left one first. Every box comes right after its caption, where screen
// readers look for its name. Controls that are only working storage (placed outside the window,
// or hidden) are not in it.
std::span<const ControlPlace> Form1Layout();

// A caption as a control that underlines its access key shows it: "&" before the first `key`
// (either case) and every "&" of the caption doubled. Without the key in it, only the doubling.
std::string MarkAccessKey(std::string_view caption, char key);

// The row with the control ID, or null.
const ControlPlace* FindPlace(int id);

// Visits with one lambda per alternative: std::visit(Overloaded{...}, place.shows).
template <class... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};

}  // namespace pp
