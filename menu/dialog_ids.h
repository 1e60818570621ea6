#pragma once

// The IDs of the menu's dialogs and their controls. Macros, since the resource compiler reads this
// file as well as the compiler.

// The dialog that asks for a setup's name (typed, or one of the saved), and the one that picks a
// saved setup.
#define IDD_SetupName 100
#define IDD_SetupChoice 101
#define IDC_SetupPrompt 110
#define IDC_SetupName 111
