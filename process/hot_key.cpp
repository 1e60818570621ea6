#include "process/hot_key.h"

namespace pp {

void WireHotKeyWatcher(Form1&) {}

}  // namespace pp
