#pragma once

namespace pp {

class Form1;

inline constexpr const char* kSettingsApplication = "KWTR";

// The restore sequence: check boxes, the camera modifier switch and its texts, the forced Click
// runs and the lists, from the per-user settings store.
void RestoreSavedState(Form1& form);
// The last step of the start-up: the cheat box from the store.
void RestoreCheatText(Form1& form);
// The store sequence of the exit.
void StoreSavedState(Form1& form);

}  // namespace pp
