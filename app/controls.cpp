#include "app/controls.h"

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
    if (!picture_) {
        surface_ = pp::Picture();
        return;
    }
    int w = width_ > 0 ? width_ : picture_->width;
    int h = height_ > 0 ? height_ : picture_->height;
    surface_ = pp::Picture(w, h, 0xFF000000u);
    for (int y = 0; y < h && y < picture_->height; ++y)
        for (int x = 0; x < w && x < picture_->width; ++x)
            surface_.At(x, y) = picture_->At(x, y);
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
