// The half length's seconds: for every text, exactly what std::from_chars and std::to_chars make of
// it (nothing, or the product's shortest fixed text), which the program writes without to_chars.
// Eight bytes are also taken as a double whose shortest text is the minutes, so that every double
// is reached, not only the numbers the fuzzer types.

#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <system_error>

#include "config/catalogue.h"

namespace {

void Check(bool condition) {
    if (!condition)
        std::abort();
}

std::optional<std::string> Reference(const std::string& minutes) {
    double value = 0;
    const char* last = minutes.data() + minutes.size();
    auto [end, error] = std::from_chars(minutes.data(), last, value);
    if (minutes.empty() || error != std::errc() || end != last)
        return std::nullopt;
    const double seconds = value * 60.0;
    if (!std::isfinite(seconds))
        return std::nullopt;
    std::array<char, 1100> text{};
    auto [textEnd, textError] =
        std::to_chars(text.data(), text.data() + text.size(), seconds == 0 ? 0.0 : seconds, std::chars_format::fixed);
    Check(textError == std::errc());
    return std::string(text.data(), textEnd);
}

void CheckMinutes(const std::string& minutes) {
    Check(pp::HalfLengthSeconds(minutes) == Reference(minutes));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CheckMinutes(std::string(reinterpret_cast<const char*>(data), size));
    if (size == sizeof(double)) {
        double minutes = 0;
        std::memcpy(&minutes, data, sizeof(minutes));
        std::array<char, 64> text{};
        auto [end, error] = std::to_chars(text.data(), text.data() + text.size(), minutes);
        if (error == std::errc())
            CheckMinutes(std::string(text.data(), end));
    }
    return 0;
}
