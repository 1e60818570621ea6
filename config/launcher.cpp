#include "config/launcher.h"

namespace pp {

void RunStartCommand(Form1&) {}
void RunPenaltyStartCommand(Form1&) {}

}  // namespace pp
