#include "files/text_compare.h"

#include <cstdint>

namespace pp {
namespace {

// Decodes one UTF-8 character at `pos`; a malformed byte decodes as itself so that binary
// input still compares deterministically.
char32_t NextChar(std::string_view s, size_t& pos) {
    auto byte = [&](size_t i) { return static_cast<uint8_t>(s[i]); };
    uint8_t lead = byte(pos);
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    size_t extra = (lead & 0xE0) == 0xC0 ? 1 : (lead & 0xF0) == 0xE0 ? 2 : (lead & 0xF8) == 0xF0 ? 3 : 0;
    if (extra == 0 || pos + extra >= s.size()) {
        ++pos;
        return 0xDC00 + lead;  // a lone byte: a code that no valid text produces
    }
    char32_t c = lead & (0x3F >> extra);
    for (size_t i = 1; i <= extra; ++i) {
        uint8_t b = byte(pos + i);
        if ((b & 0xC0) != 0x80) {
            ++pos;
            return 0xDC00 + lead;
        }
        c = (c << 6) | (b & 0x3F);
    }
    pos += extra + 1;
    return c;
}

char32_t FoldCase(char32_t c) {
    if (c >= 'A' && c <= 'Z')
        return c + 32;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7)
        return c + 32;
    if (c == 0x178)  // Ÿ
        return 0xFF;
    if ((c == 0x152 || c == 0x160 || c == 0x17D))  // Œ Š Ž
        return c + 1;
    return c;
}

// Base letter of an accented Latin-1 letter, already case-folded.
char32_t StripAccent(char32_t c) {
    static constexpr char kBase[] = "aaaaaaaceeeeiiiidnooooo/ouuuuyty";  // 0xE0..0xFF
    if (c >= 0xE0 && c <= 0xFF && c != 0xF7 && c != 0xE6 && c != 0xF0 && c != 0xFE)
        return static_cast<char32_t>(kBase[c - 0xE0]);
    if (c == 0x153)
        return 'o';
    if (c == 0x161)
        return 's';
    if (c == 0x17E)
        return 'z';
    return c;
}

template <typename Map>
int CompareBy(std::string_view a, std::string_view b, Map map) {
    size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        char32_t x = map(NextChar(a, i));
        char32_t y = map(NextChar(b, j));
        if (x != y)
            return x < y ? -1 : 1;
    }
    if (i < a.size())
        return 1;
    if (j < b.size())
        return -1;
    return 0;
}

// The text with `map` applied to each character, in UTF-8, which keeps the order of the code
// points it encodes.
template <typename Map>
std::string KeyOf(std::string_view text, Map map) {
    std::string key;
    key.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const char32_t c = map(NextChar(text, i));
        if (c < 0x80) {
            key.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            key.push_back(static_cast<char>(0xC0 | (c >> 6)));
            key.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            key.push_back(static_cast<char>(0xE0 | (c >> 12)));
            key.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            key.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            key.push_back(static_cast<char>(0xF0 | (c >> 18)));
            key.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
            key.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            key.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return key;
}

}  // namespace

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return CompareBy(a, b, FoldCase) == 0;
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    size_t i = 0, j = 0;
    while (j < prefix.size()) {
        if (i >= text.size())
            return false;
        if (FoldCase(NextChar(text, i)) != FoldCase(NextChar(prefix, j)))
            return false;
    }
    return true;
}

int CompareForSorting(std::string_view a, std::string_view b) {
    return CompareBy(a, b, [](char32_t c) { return StripAccent(FoldCase(c)); });
}

std::string PrimarySortKey(std::string_view text) {
    return KeyOf(text, [](char32_t c) { return StripAccent(FoldCase(c)); });
}

std::string MatchingKey(std::string_view text) {
    return KeyOf(text, FoldCase);
}

bool CollatesBefore(std::string_view a, std::string_view b) {
    if (int primary = CompareForSorting(a, b))
        return primary < 0;
    if (int secondary = CompareBy(a, b, FoldCase))
        return secondary < 0;
    // Upper case first on the last level, as the system's own sorted lists do.
    return CompareBy(a, b, [](char32_t c) { return c >= 'A' && c <= 'Z' ? c - 64 : c; }) < 0;
}

}  // namespace pp
