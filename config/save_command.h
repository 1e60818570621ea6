#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "files/mstring.h"
#include "model/slot_table.h"

namespace pp {

class Form1;

// The save command: required-files check, camera modifier slots, the directive line in Tx2 and,
// with the keep box checked, user.ini written anew from the cheat text and the directive line.
void RunSaveCommand(Form1& form);

// One blank before the text of every slot, 0 to 99: at least 100 blanks, and one at the front.
std::string DirectiveLine(const SlotTable& slots);

// Cuts at every single blank and keeps every piece, the empty ones too: n blanks give n + 1.
inline std::vector<std::string> SplitAtBlanks(std::string_view text) {
    return SplitAt(text, " ");
}

}  // namespace pp
