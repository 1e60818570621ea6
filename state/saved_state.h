#pragma once

#include <optional>
#include <string_view>

namespace pp {

class Form1;

inline constexpr const char* kSettingsApplication = "KWTR";

// The restore sequence: check boxes, the camera modifier switch and its texts, the forced Click
// runs and the lists, from the per-user settings store. Every restored value goes through its
// control, so the control's own handler fills its directive slot.
void RestoreSavedState(Form1& form);
// The last step of the start-up: the cheat box from the store.
void RestoreCheatText(Form1& form);
// The store sequence of the exit: every stored key, in the order of the settings key table.
void StoreSavedState(Form1& form);

// A stored whole number: an optional "+" or "-" followed by decimal digits and nothing else (no
// blanks, no decimal point, no exponent). Nothing for any other text, and for a number outside
// the range of int, which no control takes anyway.
std::optional<int> ParseWholeNumber(std::string_view text);

}  // namespace pp
