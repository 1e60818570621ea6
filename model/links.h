#pragma once

// The link labels FLB along the bottom of the main window: one row each, with the shell call a
// click makes. In the calls "{root}" stands for the game root (with its final "\") and "{tool}"
// for the tool folder.

#include <array>

#include "model/control_ids.h"

namespace pp {

inline constexpr const char* kHomePageAddress = "https://tallowfen.example/pitch-pilot/";
inline constexpr const char* kSiteAddress = "https://tallowfen.example/";

struct LinkRow {
    int id;
    const char* caption;
    const char* file;
    const char* parameters;
    const char* folder;
};

inline constexpr std::array<LinkRow, 5> kLinks = {{
    {IDC_FLB_0, "Root", "explorer.exe", " {root}", "{root}"},
    {IDC_FLB_1, "Data", "explorer.exe", " {root}data\\", "{root}data\\"},
    {IDC_FLB_2, "Help", "{root}KWTR\\tut\\09 Hoarding Kit.html", "", "{root}KWTR\\tut\\"},
    {IDC_FLB_3, "Home", kHomePageAddress, "", "{tool}"},
    {IDC_FLB_4, "Tallowfen", kSiteAddress, "", "{tool}"},
}};

// The help page may be missing; the tool's own readme stands in for it.
inline constexpr int kHelpLink = 2;
inline constexpr LinkRow kHelpFallback = {IDC_FLB_2, "Help", "notepad.exe", " readme.txt", "{tool}"};

}  // namespace pp
