#pragma once

namespace pp {

class Form1;

// The F12 watcher on TKEY: every tick that sees F12 arms the terminator. The same timer closes the
// tool once a game it watches has ended (the game watch).
void WireHotKeyWatcher(Form1& form);

}  // namespace pp
