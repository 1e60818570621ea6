#pragma once

namespace pp {

class Form1;

// One tick of TKEY for the game watch, which looks at the process table at every tick until the
// game shows and at every tenth after. True once the game the tool watches has run and is gone, by
// F12 or by itself: then the tool closes. A game that never shows within a minute (the system would
// not start it) ends the watch, and the tool stays open for the player to see.
bool GameWatchSeesTheEnd(Form1& form);

}  // namespace pp
