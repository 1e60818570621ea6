// The token split of the save command, on any work text. Every entry it makes must be one that
// reads back as a single KEY=value line of its own section: no line break or NUL anywhere, no "="
// in the key, no "]" in the section, a key that is not empty and reads as neither a section header
// nor a comment.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "config/save_command.h"
#include "config/user_ini.h"

namespace {

void Check(bool condition) {
    if (!condition)
        std::abort();
}

bool HoldsLineBreak(const std::string& s) {
    return s.find_first_of(std::string("\r\n\0", 3)) != std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> tokens = pp::SplitAtBlanks(text);
    size_t blanks = 0;
    for (char c : text)
        blanks += c == ' ';
    Check(tokens.size() == blanks + 1);
    for (const std::string& token : tokens) {
        Check(token.find(' ') == std::string::npos);
        const auto split = pp::SplitDirective(token);
        const auto* entry = std::get_if<pp::ProfileEntry>(&split);
        if (!entry)
            continue;
        Check(entry->key.front() != '[' && entry->key.front() != ';');
        Check(entry->section.find(']') == std::string::npos);
        Check(!entry->key.empty());
        Check(entry->key.find('=') == std::string::npos);
        Check(entry->value.find('=') == std::string::npos);
        Check(!HoldsLineBreak(entry->section) && !HoldsLineBreak(entry->key) && !HoldsLineBreak(entry->value));
        Check(token.find(entry->key) != std::string::npos);
    }
    return 0;
}
