#pragma once

namespace pp {

class Form1;

inline constexpr const char* kMissingFilesMessage = "Missing files ! Please re-install !";

// The required-files check: returns when the five required files exist; otherwise shows
// "Missing files ! Please re-install !" and ends the program. A failure of the file search
// itself abandons the check silently.
void chk(Form1& form);

}  // namespace pp
