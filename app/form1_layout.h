#pragma once

#include <span>

#include "app/dpi.h"

namespace pp {

class Control;
class Form1;

// The main window's client area at 96 dpi.
inline constexpr int kForm1Width = 725;
inline constexpr int kForm1Height = 569;

// What a shown control is on screen.
enum class ViewKind {
    Label,  // a caption
    Link,   // a clickable caption in the model's fore colour
    CheckBox,
    OptionButton,  // one element of an option button array
    ComboBox,      // drop-down list or editable, as the model says
    TextBox,
    ImageButton,  // a clickable picture
    Line,         // decoration, no model control
    LogoBox,      // a picture box that shows its drawing surface
};

// How a control is drawn beyond its kind: fonts and colours.
enum class ViewLook {
    Plain,
    Caption,  // the bold captions above the option controls
    Notice,   // the hot-key notice along the top edge, light yellow
    Warning,  // red bold
    Cheat,    // light yellow box, Arial 9 pt
};

// One shown control: the model control it shows, what it is on screen, its control ID, its place
// at 96 dpi and its look. The window is built from the table of these and nothing else.
struct ControlPlace {
    // The model control; null for decoration.
    Control& (*model)(Form1&);
    ViewKind kind;
    int id;
    Rect96 rect;
    ViewLook look = ViewLook::Plain;
    // The element of an array control: the option button of OT, the image button of FBU.
    int element = 0;
    // Shown instead of the model's caption; null shows the model's, "" shows none.
    const char* caption = nullptr;
};

// Every shown control of the main window, in tab order. Controls that are only working storage
// (placed outside the window, or hidden) are not in it.
std::span<const ControlPlace> Form1Layout();

// The row with the control ID, or null.
const ControlPlace* FindPlace(int id);

}  // namespace pp
