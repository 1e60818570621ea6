#pragma once

namespace pp {

class Form1;

// The F12 watcher on TKEY: every tick that sees F12 arms the terminator.
void WireHotKeyWatcher(Form1& form);

}  // namespace pp
