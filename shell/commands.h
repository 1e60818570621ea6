#pragma once

#include "model/links.h"

namespace pp {

class Form1;

// A click on image button i runs its action in kImageButtons (save and close the window, save,
// start the game, start the penalty mode, minimise); any other index does nothing.
void ClickImageButton(Form1& form, int index);

// A click on link label i makes its shell call in kLinks (the game root, its data folder, the
// help page or, when the page is missing, readme.txt of the tool folder, the home page, the
// site); any other index does nothing.
void ClickLink(Form1& form, int index);

}  // namespace pp
