#pragma once

namespace pp {

class Form1;

// Gives every event of the main window's model its handler: the option catalogue, the team and
// stadium choice, the hot key, the fades, the image buttons' commands, the window's load, show and
// unload and the terminator's timer. The program and the tests wire a model the same way.
void WireHandlers(Form1& form);

}  // namespace pp
