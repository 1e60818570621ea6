#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pp {

class Form1;

// Where the tool keeps its state per user: HKEY_CURRENT_USER\Software\KWTR\09PP.
inline constexpr const char* kSettingsApplication = "KWTR";
inline constexpr const char* kSettingsSection = "09PP";
// Kept there beside the controls' keys of the settings key table: the place and size of the
// "What the game will get" window, as "left top right bottom" in screen pixels.
inline constexpr const char* kGameViewPlaceKey = "GameViewPlace";

// The restore sequence: check boxes, the camera modifier switch and its texts, the forced Click
// runs and the lists, from the per-user settings store. Every restored value goes through its
// control, so the control's own handler fills its directive slot.
void RestoreSavedState(Form1& form);
// The last step of the start-up: the cheat box from the store.
void RestoreCheatText(Form1& form);
// The store sequence of the exit: every stored key, in the order of the settings key table.
void StoreSavedState(Form1& form);

// The values of a setup, by key: every key of the settings key table that start-up reads and whose
// control the player can change in the window. The keep box and the commentators box are not
// among them: the window never lets the player change them.
using SavedValues = std::map<std::string, std::string>;
// Those keys in the order of the settings key table.
std::vector<std::string> SetupKeys();
// Each of those keys with its control's value now, in the form the exit stores it.
SavedValues CurrentValues(const Form1& form);
// Leaves the controls and their slots as a start-up would with these values in the store: applied
// in the restore's order and through the controls, so each raises its own handler and writes its
// slot, and the shader list clears depth of field; then the cheat box. A key not among the values,
// or a value its control does not take, counts as the control's own value now.
void ApplyValues(Form1& form, const SavedValues& values);
// Whether the key is one of a setup's and its control takes the value: a check box 0, 1 or 2, a
// list -1 or one of its positions, a modifier box what its keys let through.
bool ControlTakes(const Form1& form, const std::string& key, const std::string& value);

// A stored whole number: an optional "+" or "-" followed by decimal digits and nothing else (no
// blanks, no decimal point, no exponent). Nothing for any other text, and for a number outside
// the range of int, which no control takes anyway.
std::optional<int> ParseWholeNumber(std::string_view text);

}  // namespace pp
