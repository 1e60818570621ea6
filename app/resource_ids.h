#pragma once

// The IDs of PitchPilot.exe's own resources. Macros, since the resource compiler reads this file
// as well as the compiler.

#define IDI_PitchPilot 1

// The dialog that asks for a setup's name (typed, or one of the saved), and the one that picks a
// saved setup.
#define IDD_SetupName 100
#define IDD_SetupChoice 101
#define IDC_SetupPrompt 110
#define IDC_SetupName 111
