#include "state/exit_sequence.h"

namespace pp {

void RunExitSequence(Form1&) {}

}  // namespace pp
