#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

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

// The values the restore reads, by key: every key of the settings key table that start-up reads.
using SavedValues = std::map<std::string, std::string>;
// Each of those keys with its control's value now, in the form the exit stores it.
SavedValues CurrentValues(const Form1& form);
// Applies values as the start-up's restore applies the store, in its order and through the
// controls, so each control raises its own handler and writes its slot; then the cheat box. A key
// not among the values leaves its control as it is.
void ApplyValues(Form1& form, const SavedValues& values);
// Whether the key is one the restore reads and its control takes the value: a check box 0, 1 or 2,
// a list -1 or one of its positions, a modifier box what its keys let through.
bool ControlTakes(const Form1& form, const std::string& key, const std::string& value);

// A stored whole number: an optional "+" or "-" followed by decimal digits and nothing else (no
// blanks, no decimal point, no exponent). Nothing for any other text, and for a number outside
// the range of int, which no control takes anyway.
std::optional<int> ParseWholeNumber(std::string_view text);

}  // namespace pp
