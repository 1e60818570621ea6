#pragma once

namespace pp {

class Form1;

// The save command: required-files check, camera modifier slots, the directive line in Tx2 and,
// with the keep box checked, user.ini written anew from the cheat text and the directive line.
void RunSaveCommand(Form1& form);

}  // namespace pp
