#pragma once

// The IDs of PitchPilot.exe's own resources. Macros, since the resource compiler reads this file
// as well as the compiler.

#define IDI_PitchPilot 1
