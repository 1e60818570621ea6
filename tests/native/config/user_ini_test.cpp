#include <gtest/gtest.h>

#include "config/save_command.h"
#include "config/user_ini.h"
#include "tests/native/support/fakes.h"

namespace pp {
namespace {
TEST(SplitDirective, SectionKeyAndValueOfEachTokenOrWhyNot) {
    using U = Unwritten;
    const std::vector<std::pair<std::string, std::variant<ProfileEntry, Unwritten>>> cases = {
        {"OPTIONS/BOOKINGS=1", ProfileEntry{"OPTIONS", "BOOKINGS", "1"}},
        {"GUI/SKIP_TITLE=1=2/X", ProfileEntry{"GUI", "SKIP_TITLE", "1"}},  // a second "=" or "/" ends a part
        {"GUI//SKIP_TITLE=1", ProfileEntry{"", "GUI//SKIP_TITLE", "1"}},   // empty middle: empty section
        {"CAMERA_BIG_HEIGHT_MODIFIER=", ProfileEntry{"", "CAMERA_BIG_HEIGHT_MODIFIER", ""}},
        {"\tA=B/\tK\t=\tv\t", ProfileEntry{"A=B", "K", "v\t"}},  // what readers drop goes; "=" in a section is no harm
        {"[X/K]=1", ProfileEntry{"[X", "K]", "1"}},
        {"", U::EmptyToken},
        {"NOEQUALS", U::NoEquals},
        {"=5", U::EmptyKey},
        {"S/\t=5", U::EmptyKey},
        {"A=1\r\n[OPTIONS]\r\nB=2", U::BreaksALine},
        {std::string("A=1\0B", 5), U::BreaksALine},
        {"[X]=1", U::KeyReadAsSection},  // would take every entry after it into section X
        {";K=1", U::KeyReadAsComment},
        {"S/\x1A;K=1", U::KeyReadAsComment},
        {"A]B/K=1", U::SectionWithBracket}};
    for (const auto& [token, split] : cases)
        EXPECT_EQ(SplitDirective(token), split) << testing::PrintToString(token);
}

// Met again: where first met, whatever the case, first spelling, last value; entries without a section
// first. Split and gathered as the code page stores the text (fullwidth forms are ASCII); a slot beats a custom.
TEST(UserIniText, SplitsAndGathersWhatTheFileHoldsNotWhatWasTyped) {
    MemoryFileSystem files;
    const MemoryProfileWriter file(files);
    for (const auto& [tokens, text] : std::vector<std::pair<std::string, std::string>>{
             {"gui/a=1 OPTIONS/B=1  K=1 [X]=1 Gui/A=2 options/b=2 Éq/x=1 éQ/X=2 k=2 GUI/C=3",
              "K=2\r\n[gui]\r\na=2\r\nC=3\r\n[OPTIONS]\r\nB=2\r\n[Éq]\r\nx=2\r\n"},
             {"［X］=1 K=1", "K=1\r\n"},
             {"　[X]=1 K=1", "K=1\r\n"},
             {"；K=1 K=2", "K=2\r\n"},
             {"A＝B=1", "A=B\r\n"},
             {"Ā=1 A=2", "A=2\r\n"},
             {"ＯＰＴＩＯＮＳ／ＢＯＯＫＩＮＧＳ=0 OPTIONS/BOOKINGS=1", "[OPTIONS]\r\nBOOKINGS=1\r\n"},
             {"中/K=1 Ｋ=中", "K=?\r\n[?]\r\nK=1\r\n"}}) {
        EXPECT_EQ(UserIniText(SplitAtBlanks(tokens), file), text) << tokens;
        EXPECT_EQ(file.AsStored(text), text) << "what the file holds as it stands";
    }
}
}  // namespace
}  // namespace pp
