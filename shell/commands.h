#pragma once

namespace pp {

class Form1;

inline constexpr const char* kHomePageAddress = "https://tallowfen.example/pitch-pilot/";
inline constexpr const char* kSiteAddress = "https://tallowfen.example/";

// A click on image button i: 0 saves and closes the window, 1 saves, 2 starts the game, 3 starts
// the penalty mode, 99 minimises; any other index does nothing.
void ClickImageButton(Form1& form, int index);

// A click on link label i: opens the game root, its data folder, the help page (or readme.txt of
// the tool folder when the page is missing), the home page or the site; any other index does
// nothing.
void ClickLink(Form1& form, int index);

}  // namespace pp
