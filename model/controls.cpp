#include "model/controls.h"

#include <algorithm>

#include "model/pixels.h"

namespace pp {

bool CheckBox::SetValue(int value) {
    if (value < 0 || value > 2)
        return false;
    if (value != value_) {
        value_ = value;
        Click();
    }
    return true;
}

void CheckBox::UserClick() {
    if (Enabled())
        SetValue(value_ == 1 ? 0 : 1);
}

void CheckBox::Click() {
    if (onClick)
        onClick();
}

ComboBox::ComboBox(std::string name, ComboStyle style, bool sorted, std::vector<std::string> items)
    : Control(std::move(name)), style_(style), list_(sorted) {
    list_.AddMany(std::move(items));
}

bool ComboBox::SetListIndex(int index) {
    if (index < -1 || index >= list_.Count())
        return false;
    if (index != list_.SelectedIndex()) {
        list_.SetSelectedIndex(index);
        if (index >= 0)
            editText_ = list_.Item(index);
        if (onClick)
            onClick();
    }
    return true;
}

void ComboBox::UserPick(int index) {
    if (Enabled())
        SetListIndex(index);
}

std::string ComboBox::Text() const {
    if (style_ == ComboStyle::Editable)
        return editText_;
    return list_.SelectedText();
}

void ComboBox::SetText(std::string text) {
    if (style_ != ComboStyle::Editable)
        return;
    if (text != list_.SelectedText())
        list_.SetSelectedIndex(-1);
    editText_ = std::move(text);
}

void TextBox::SetText(std::string text) {
    std::replace(text.begin(), text.end(), '\0', ' ');
    text_ = std::move(text);
}

int TextBox::UserTypes(int keyCode) {
    if (!Enabled())
        return 0;
    if (onKeyPress)
        onKeyPress(keyCode);
    if (keyCode == 8) {
        if (!text_.empty())
            text_.pop_back();
    } else if (keyCode >= 32 && keyCode < 127) {
        text_.push_back(static_cast<char>(keyCode));
    }
    return keyCode;
}

bool OptionButtonArray::Select(int index) {
    if (index < 0 || index >= count_)
        return false;
    if (index != selected_) {
        selected_ = index;
        if (onClick)
            onClick(index);
    }
    return true;
}

void OptionButtonArray::UserSelect(int index) {
    if (Enabled())
        Select(index);
}

void PictureBox::SetPicture(PictureRef picture) {
    ++surfaceRevision_;
    picture_ = std::move(picture);
    const int w = width_ > 0 ? width_ : (picture_ ? picture_->width : 0);
    const int h = height_ > 0 ? height_ : (picture_ ? picture_->height : 0);
    surface_ = pp::Picture(w, h, backColor_);
    if (!picture_ || picture_->Empty() || surface_.Empty())
        return;
    // A picture drawn from the top left corner at its own size; one larger than the box is
    // shrunk to fit, keeping its proportions, so a big logo shows whole instead of a corner of it.
    DrawScaledToFit(surface_, *picture_);
}

void Timer::Tick() {
    if (!Enabled() || !onTimer)
        return;
    // The handler may destroy the window that owns this timer (the terminator unloads itself at
    // the end of its pass), so it runs from a copy and nothing of this object is touched after.
    auto handler = onTimer;
    handler();
}

void CommandButton::Click() {
    if (onClick)
        onClick();
}

}  // namespace pp
