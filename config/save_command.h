#pragma once

#include <optional>
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

// One entry of user.ini. The empty section name is the section of the directives without one.
struct ProfileEntry {
    std::string section;
    std::string key;
    std::string value;
    bool operator==(const ProfileEntry&) const = default;
};

// The user.ini entry of one token of the work text: "SECTION/KEY=value" or "KEY=value". With
// a second "/" only the part between the two counts; an empty part between them puts the whole
// token in the empty section. The value ends at a second "=". Nothing for a token that would
// write no sound entry: an empty token, one without "=" (a write without a value would delete
// the key instead), one with an empty key, and one holding a line break or a NUL, which would
// break the lines of the file apart.
std::optional<ProfileEntry> SplitDirective(std::string_view token);

}  // namespace pp
