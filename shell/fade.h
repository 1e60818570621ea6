#pragma once

namespace pp {

class Form1;

enum class Side { Home, Away };

// Connects the fade timers TA (home) and TA2 (away) to their ticks.
void WireFades(Form1& form);

// Starts the side's fade: the new picture is already in its new-picture box (P_LOAD or P_LOAD2).
// Sets the shared fade counter to 0 and enables the side's timer; a fade of the other side that
// is still running starts over from alpha 15 on its next tick, since the counter is shared.
void StartFade(Form1& form, Side side);

// One tick of the side's fade: the display box shows the old picture, the counter grows by 15,
// the new picture is blended over it with that alpha, and at 255 the fade ends and the new
// picture becomes the old one.
void FadeTick(Form1& form, Side side);

}  // namespace pp
