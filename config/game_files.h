#pragma once

// The game's own files, named once: what the tool requires, starts, writes and moves aside. Paths
// are relative to the game root.

#include <array>
#include <string_view>

namespace pp {

inline constexpr const char* kGameProgram = "fifa09.exe";
inline constexpr const char* kUserIni = "user.ini";
inline constexpr const char* kTeamListFile = "KWTR\\teams.ini";
inline constexpr const char* kStadiumListFile = "KWTR\\stads.ini";

// Without any of these the tool refuses to run.
inline constexpr std::array<const char*, 5> kRequiredFiles = {
    kTeamListFile, kStadiumListFile, "data\\fifa.fat", kGameProgram, "data\\cmn\\fifa.db",
};

// Moved aside at every start, so that the game reads only what the tool hands it.
inline constexpr std::array<const char*, 4> kConfigurationFiles = {"common.ini", "locale.ini", "sku.ini",
                                                                   "situation.ini"};

// A file moved aside keeps its name behind this prefix, in the same folder.
inline constexpr const char* kCopyPrefix = "bak_";

// True once start-up has found the game root, which then ends with "\\". Without one the bare name
// of a file would land in whatever folder is current, so nothing is written or moved.
inline bool IsGameRoot(std::string_view root) {
    return !root.empty() && root.back() == '\\';
}

}  // namespace pp
