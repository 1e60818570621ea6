#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "model/profile_writer.h"

namespace pp {

// One entry of user.ini. The empty section name is the section of the directives without one.
struct ProfileEntry {
    std::string section;
    std::string key;
    std::string value;
    bool operator==(const ProfileEntry&) const = default;
};

// Why a token of the work text writes nothing to user.ini. It still reaches the game on its
// command line, as every token does.
enum class Unwritten {
    EmptyToken,
    NoEquals,  // a write without a value would delete the key instead
    EmptyKey,
    BreaksALine,         // a line break or a NUL would split the file's lines apart
    KeyReadAsSection,    // "[X]=1" would be read back as the header of a section X
    KeyReadAsComment,    // ";X=1" would be read back as a comment
    SectionWithBracket,  // readers differ on which "]" ends the header "[A]B]"
};

// The user.ini entry of one token of the work text: "SECTION/KEY=value" or "KEY=value". With a
// second "/" only the part between the two counts; an empty part between them puts the whole token
// in the empty section. The value ends at a second "=". Section and key lose the blanks around
// them and the value those in front, as every reader of the file drops them.
std::variant<ProfileEntry, Unwritten> SplitDirective(std::string_view token);

// The entry the token makes in the file `file` writes, split as its readers will find it: on the
// text the file stores, not the text typed, since the code page may turn a character into a
// "[", ";", "=", "/" or blank that the typed text did not have.
std::variant<ProfileEntry, Unwritten> SplitAsStored(std::string_view token, const ProfileWriter& file);

// The text of user.ini for the tokens, as one write per token would leave a new file, in the form
// the file stores it: the entries without a section first, under no header, then each section
// under its header in the order it first occurs; in a section each key in the order it first
// occurs, with the value of its last occurrence; names matched as stored, without regard to case.
// Lines end with CR LF.
std::string UserIniText(const std::vector<std::string>& tokens, const ProfileWriter& file);

}  // namespace pp
