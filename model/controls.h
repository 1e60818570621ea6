#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "files/mstring.h"
#include "model/picture.h"

// The controls of the main window as plain objects. They hold the state; the window on screen is
// only a view of them. Their event rules are the ones the handlers rely on:
// - setting a check box's Value or a combo box's ListIndex to a different value raises its Click,
//   exactly as a user's change does; setting the value it already has raises nothing;
// - setting a text box's Text raises nothing;
// - a disabled or hidden control still holds and returns its values; only the user is refused.
namespace pp {

class Control {
  public:
    explicit Control(std::string name = {}) : name_(std::move(name)) {}
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }
    bool Visible() const { return visible_; }
    void SetVisible(bool visible) { visible_ = visible; }

  private:
    std::string name_;
    bool enabled_ = true;
    bool visible_ = true;
};

class CheckBox : public Control {
  public:
    CheckBox(std::string name, std::string caption) : Control(std::move(name)), caption_(std::move(caption)) {}

    const std::string& Caption() const { return caption_; }
    int Value() const { return value_; }
    bool Checked() const { return value_ == 1; }
    // Takes 0 (unchecked), 1 (checked) or 2 (grey); any other value is refused and returns false.
    // A different value raises Click.
    bool SetValue(int value);
    // A user's click: toggles between checked and unchecked; refused while disabled.
    void UserClick();
    // Runs the Click handler, as the program does when it calls the handler directly.
    void Click();

    std::function<void()> onClick;

  private:
    std::string caption_;
    int value_ = 0;
};

enum class ComboStyle { DropDownList, Editable };

class ComboBox : public Control {
  public:
    ComboBox(std::string name, ComboStyle style, bool sorted, std::vector<std::string> items = {});

    ComboStyle Style() const { return style_; }
    LineList& List() { return list_; }
    const LineList& List() const { return list_; }

    int ListIndex() const { return list_.SelectedIndex(); }
    // Takes -1 to Count-1; any other index is refused and returns false. A different index
    // raises Click.
    bool SetListIndex(int index);
    // A user's pick of an item; refused while disabled.
    void UserPick(int index);

    // The selected item's text; for the editable box, whatever stands in its edit field.
    std::string Text() const;
    // Typing into the editable box: raises nothing; a text that is not the selected item's
    // leaves the list without a selection. A drop-down list ignores it.
    void SetText(std::string text);

    std::function<void()> onClick;

  private:
    ComboStyle style_;
    LineList list_;
    std::string editText_;
};

class TextBox : public Control {
  public:
    explicit TextBox(std::string name, std::string text = {}) : Control(std::move(name)), text_(std::move(text)) {}

    const std::string& Text() const { return text_; }
    // A NUL becomes a blank: a window's text, a command line and a stored value each end at the
    // first NUL, so the text after it would be shown, handed over and kept by none of them.
    void SetText(std::string text);

    // A key the user types: the KeyPress handler may swallow it by setting the code to 0.
    // Returns the code that gets through (0 when swallowed). Printable codes are appended to
    // the text and 8 (backspace) removes the last character, as the edit field would.
    int UserTypes(int keyCode);

    std::string toolTip;
    std::function<void(int& keyCode)> onKeyPress;

  private:
    std::string text_;
};

// An option button array: selecting one element deselects the others.
class OptionButtonArray : public Control {
  public:
    OptionButtonArray(std::string name, int count, int selected)
        : Control(std::move(name)), count_(count), selected_(selected) {}

    int Count() const { return count_; }
    int Selected() const { return selected_; }
    // Selecting another element raises Click with its index; an index outside the array is refused.
    bool Select(int index);
    void UserSelect(int index);

    std::function<void(int index)> onClick;

  private:
    int count_;
    int selected_;
};

class ListBox : public Control {
  public:
    explicit ListBox(std::string name) : Control(std::move(name)) {}
    LineList& List() { return list_; }
    const LineList& List() const { return list_; }

  private:
    LineList list_;
};

// A colour as 0x00RRGGBB.
using Rgb = uint32_t;
constexpr Rgb MakeRgb(int r, int g, int b) {
    return (static_cast<Rgb>(r) << 16) | (static_cast<Rgb>(g) << 8) | static_cast<Rgb>(b);
}

class Label : public Control {
  public:
    Label() = default;
    Label(std::string name, std::string caption) : Control(std::move(name)), caption_(std::move(caption)) {}

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption) { caption_ = std::move(caption); }
    Rgb ForeColor() const { return foreColor_; }
    void SetForeColor(Rgb color) { foreColor_ = color; }

  private:
    std::string caption_;
    Rgb foreColor_ = 0;
};

// An image control, or a picture box: a picture, and for picture boxes a drawing surface that
// assigning a picture repaints and that drawing goes onto.
class PictureBox : public Control {
  public:
    PictureBox() = default;
    PictureBox(std::string name, int width, int height) : Control(std::move(name)), width_(width), height_(height) {}

    int Width() const { return width_; }
    int Height() const { return height_; }
    const PictureRef& Picture() const { return picture_; }
    // Assigning repaints the surface: the back colour, then the picture from the top left corner.
    void SetPicture(PictureRef picture);
    void SetBackColor(uint32_t argb) { backColor_ = argb; }
    const pp::Picture& Surface() const { return surface_; }
    // Drawing onto the surface goes through here, so that a view can tell when to repaint.
    pp::Picture& SurfaceForDrawing() {
        ++surfaceRevision_;
        return surface_;
    }
    uint64_t SurfaceRevision() const { return surfaceRevision_; }

  private:
    uint64_t surfaceRevision_ = 0;
    int width_ = 0;
    int height_ = 0;
    PictureRef picture_;
    pp::Picture surface_;
    uint32_t backColor_ = 0xFF000000u;
};

class Timer : public Control {
  public:
    Timer(std::string name, int intervalMs, bool enabled) : Control(std::move(name)), intervalMs_(intervalMs) {
        SetEnabled(enabled);
    }
    int Interval() const { return intervalMs_; }
    // One tick of the clock: raises Timer while enabled.
    void Tick();

    std::function<void()> onTimer;

  private:
    int intervalMs_;
};

class CommandButton : public Control {
  public:
    CommandButton(std::string name, std::string caption) : Control(std::move(name)), caption_(std::move(caption)) {}
    const std::string& Caption() const { return caption_; }
    void Click();

    std::function<void()> onClick;

  private:
    std::string caption_;
};

}  // namespace pp
