#pragma once

namespace pp {

class Form1;

// Save, then run the game from the game root with the directive line and the cheat text, and aim
// the terminator at "fifa09.exe".
void RunStartCommand(Form1& form);
// The same with " DEBUG_SHOOTOUT=1 " ahead of the directive line.
void RunPenaltyStartCommand(Form1& form);

}  // namespace pp
