#include "shell/hover.h"

#include "model/form1.h"

namespace pp {
namespace {

// Assigns only a different picture, so a mouse moving over the background does not repaint
// buttons that already show their normal picture.
void ShowPicture(PictureBox& button, const PictureRef& picture) {
    if (button.Picture() != picture)
        button.SetPicture(picture);
}

}  // namespace

void SetUpHover(Form1& form) {
    for (int i : kImageButtonIndexes)
        form.NBU.at(i).SetPicture(form.FBU.at(i).Picture());
    for (Label& link : form.FLB)
        link.SetForeColor(kLinkColor);
}

void HoverImageButton(Form1& form, int index) {
    auto button = form.FBU.find(index);
    auto hover = form.HBU.find(index);
    if (button != form.FBU.end() && hover != form.HBU.end())
        ShowPicture(button->second, hover->second.Picture());
}

void HoverLink(Form1& form, int index) {
    if (index >= 0 && index < static_cast<int>(form.FLB.size()))
        form.FLB[static_cast<size_t>(index)].SetForeColor(kLinkHoverColor);
}

void ResetHover(Form1& form) {
    for (int i : kImageButtonIndexes)
        ShowPicture(form.FBU.at(i), form.NBU.at(i).Picture());
    for (Label& link : form.FLB)
        link.SetForeColor(kLinkColor);
}

void PressOnBackground(Form1& form, MouseButton button) {
    if (button == MouseButton::Left)
        form.os.window.BeginDrag();
}

}  // namespace pp
