#pragma once

namespace pp {

class Form1;

// Connects every option control of the main window to the slot its Click writes, and the
// couplings between option controls (shader and depth of field, the language box, the camera
// modifier switch and its two boxes with their key filter, the side buttons).
void WireOptionCatalogue(Form1& form);

}  // namespace pp
