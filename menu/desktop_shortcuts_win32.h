#pragma once

// The shortcuts to the tool that it offers to put on the player's desktop and in the Start menu,
// made through the shell's own link objects so that they are the very files Explorer makes. (Wine's
// menu builder turns those of the Start menu into entries of the Linux desktop's menu.)

#include <windows.h>

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pp::win32 {

// One shortcut the tool offers: a row of kPitchPilotShortcuts, or one for a saved setup.
struct Shortcut {
    std::wstring_view name;  // the file's name without ".lnk", which is also what the desktop shows
    std::wstring_view arguments;
    // The tip Explorer shows over it, and the mark of a shortcut the tool made: one of this name that
    // bears another description is the player's own.
    std::wstring_view description;
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

// Makes each shortcut in `folder`, pointing at `program` (its full path) with the arguments of its
// row, the program's folder to work in and the program's own icon. One result per shortcut, in the
// given order; with an empty folder or program every one has failed.
std::vector<ShortcutResult> CreateShortcuts(const std::wstring& folder,
                                            const std::wstring& program,
                                            std::span<const Shortcut> shortcuts = kPitchPilotShortcuts);

// The shortcut that applies the saved setup of that name and starts a match at once.
struct SetupShortcut {
    explicit SetupShortcut(const std::wstring& setup);
    Shortcut Get() const { return {name, arguments, description}; }
    std::wstring name, arguments, description;
};

// The player's desktop folder; empty when there is none.
std::wstring DesktopFolder();
// The folder of the tool's entries in the player's Start menu (Programs\Pitch Pilot), made when
// missing; empty when there is none.
std::wstring StartMenuFolder();

// Where shortcuts go, as the message about them speaks of it.
enum class ShortcutPlace { Desktop, StartMenu };

// What became of the shortcuts, as one message for the player that speaks of the place, grouped by
// outcome in the order of ShortcutOutcome.
std::wstring DescribeShortcutResults(const std::vector<ShortcutResult>& results,
                                     ShortcutPlace place = ShortcutPlace::Desktop);

}  // namespace pp::win32
