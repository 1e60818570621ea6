#pragma once

namespace pp {

class Form1;

enum class Side { Home, Away };

// Connects the fade timers TA and TA2 to their ticks.
void WireFades(Form1& form);
// Puts nothing in place itself: the new picture is already in the side's new-picture box. Sets
// the shared fade counter to 0 and enables the side's fade timer.
void StartFade(Form1& form, Side side);

}  // namespace pp
