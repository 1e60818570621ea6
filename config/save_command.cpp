#include "config/save_command.h"

namespace pp {

void RunSaveCommand(Form1&) {}

}  // namespace pp
