#pragma once

namespace pp {

class Form1;

// One termination pass, the tick of the terminator's TS: ends the last process in walk order
// whose name is the target name, then disarms and unloads the terminator window.
void RunTerminationPass(Form1& form);

}  // namespace pp
