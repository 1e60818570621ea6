#pragma once

#include <optional>
#include <string>

namespace pp {

class ComboBox;
class Form1;

// Connects the home team, away team and stadium boxes to their record look-up, slot and logo.
void WireTeamChoice(Form1& form);

// The slot of the home team, the away team or the stadium box; nothing for another box.
std::optional<int> ChoiceSlot(ComboBox Form1::*box);

// The logo file of a team id in the game below `gameRoot` (which ends with "\"). The doubled
// "\" where the two parts meet is kept: the file functions of the system accept it.
std::string LogoPath(const std::string& gameRoot, const std::string& id);

}  // namespace pp
