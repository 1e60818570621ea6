#pragma once

#include <string>
#include <string_view>

namespace pp {

// Case-insensitive comparison of UTF-8 text. ASCII letters and the letters of the Latin-1
// supplement (the accented letters of the western ANSI code page) compare without regard to
// case; every other character compares by its code.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);
bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix);
// A byte string equal for two texts exactly when EqualsIgnoringCase holds for them: a key for
// finding a name among many in one hash look-up.
std::string MatchingKey(std::string_view text);

// Alphabetical order for the sorted lists: letters compare without regard to case and accents
// first (so "émeraude" sorts among the e's), and texts equal on that level are ordered by case
// and accent, then by code, so the order is total and stable.
bool CollatesBefore(std::string_view a, std::string_view b);
// Negative, zero or positive, like strcmp, on the first (case- and accent-blind) level only.
int CompareForSorting(std::string_view a, std::string_view b);

// A byte string whose plain byte order is the order of CompareForSorting: made once per text, it
// turns each comparison of a large sort into a memcmp.
std::string PrimarySortKey(std::string_view text);

}  // namespace pp
