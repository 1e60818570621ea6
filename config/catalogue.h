#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pp {

class ComboBox;
class Form1;
class SlotTable;

// Connects every option control of the main window to the slot its Click writes, and the
// couplings between option controls (shader and depth of field, the language box, the camera
// modifier switch and its two boxes with their key filter, the side buttons).
void WireOptionCatalogue(Form1& form);

// The slot the Click of a list box of the window writes (its option's, or its team's or stadium's);
// nothing for a list box that writes none.
std::optional<int> ListSlot(ComboBox Form1::*box);

// Slots 70 and 71 from the camera modifier switch Check70 and the texts of ZMO and HMO, as they
// stand now. The switch's Click runs it, and so does every save, so that text typed after the
// last click counts.
void WriteCameraModifierSlots(Form1& form);
// The same into `slots`, which may be a copy of the window's.
void WriteCameraModifierSlots(const Form1& form, SlotTable& slots);

// The key filter of ZMO and HMO: digits, backspace, minus sign and full stop pass; every other
// key is swallowed.
bool ModifierKeyPasses(int keyCode);

// The half length in seconds for a number of minutes, as the shortest decimal text ("3", not
// "3.0"). Nothing when the text is not a finite number with a "." decimal point.
std::optional<std::string> HalfLengthSeconds(std::string_view minutes);

}  // namespace pp
