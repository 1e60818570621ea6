#pragma once

namespace pp {

class Form1;

// Connects the home team, away team and stadium boxes to their record look-up, slot and logo.
void WireTeamChoice(Form1& form);

}  // namespace pp
