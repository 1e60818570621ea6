#pragma once

namespace pp {

class Form1;

// The exit sequence: user.ini deleted unless kept, the terminator unloaded, the state stored.
void RunExitSequence(Form1& form);

}  // namespace pp
