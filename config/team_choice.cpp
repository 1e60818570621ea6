#include "config/team_choice.h"

namespace pp {

void WireTeamChoice(Form1&) {}

}  // namespace pp
