#pragma once

namespace pp {

class Form1;

enum class MouseButton { Left, Right, Middle };

// At the end of the load: every image button keeps its normal picture in NBU, every link label
// takes the link colour.
void SetUpHover(Form1& form);
// The mouse over image button i: it shows its hover picture.
void HoverImageButton(Form1& form, int index);
// The mouse over link label i: it takes the hover colour.
void HoverLink(Form1& form, int index);
// The mouse over the background: every button gets its normal picture back and every link its
// link colour. Moving straight from one button onto another leaves the first one lit.
void ResetHover(Form1& form);
// A press on the free background: the left button alone drags the window.
void PressOnBackground(Form1& form, MouseButton button);

}  // namespace pp
