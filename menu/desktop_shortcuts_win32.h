#pragma once

// The shortcuts to the tool that it offers to put on the player's desktop, made through the shell's
// own link objects so that they are the very files Explorer makes.

#include <windows.h>

#include <array>
#include <string>
#include <vector>

namespace pp::win32 {

// One shortcut the tool offers: a row of kPitchPilotShortcuts.
struct Shortcut {
    const wchar_t* name;  // the file's name without ".lnk", which is also what the desktop shows
    const wchar_t* arguments;
    // The tip Explorer shows over it, and the mark of a shortcut the tool made: one of this name that
    // bears another description is the player's own.
    const wchar_t* description;
};

inline constexpr std::array<Shortcut, 2> kPitchPilotShortcuts{{
    {L"Pitch Pilot", L"", L"Starts Pitch Pilot"},
    {L"Pitch Pilot - quick match", L"/start", L"Starts Pitch Pilot and a match at once"},
}};

enum class ShortcutOutcome {
    Made,
    Replaced,   // a shortcut of the tool's own of that name was there
    LeftAlone,  // a file of that name that is not the tool's own is there, and stays as it was
    Failed,
};

struct ShortcutResult {
    std::wstring name;
    std::wstring path;
    ShortcutOutcome outcome;
};

// Makes each shortcut of kPitchPilotShortcuts in `folder`, pointing at `program` (its full path) with
// the arguments of its row, the program's folder to work in and the program's own icon. One result per
// shortcut, in the table's order; with an empty folder or program every one has failed.
std::vector<ShortcutResult> CreateShortcuts(const std::wstring& folder, const std::wstring& program);

// The player's desktop folder; empty when there is none.
std::wstring DesktopFolder();

// What became of the shortcuts, as one message for the player that speaks of their desktop, grouped by
// outcome in the order of ShortcutOutcome.
std::wstring DescribeShortcutResults(const std::vector<ShortcutResult>& results);

}  // namespace pp::win32
