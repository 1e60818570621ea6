// The parsing of stored settings values: a whole number exactly when the text is an optional sign
// and decimal digits whose value fits an int, and then the same number a plain reading gives.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "state/saved_state.h"

namespace {

void Check(bool condition) {
    if (!condition)
        std::abort();
}

// The reference: sign and digits, read digit by digit with a wide type.
std::optional<int> Reference(const std::string& text) {
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    if (i == text.size())
        return std::nullopt;
    long long value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
        if (value > 2147483648LL)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return static_cast<int>(value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    Check(pp::ParseWholeNumber(text) == Reference(text));
    return 0;
}
