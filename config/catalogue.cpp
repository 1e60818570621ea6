#include "config/catalogue.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <system_error>

#include "config/team_choice.h"
#include "model/form1.h"

namespace pp {
namespace {

// A check box writes one of two directives into its slot, by whether it is checked (Value 1;
// the grey state counts as unchecked).
struct CheckOption {
    int slot;
    CheckBox Form1::*box;
    const char* checked;
    const char* unchecked;
};

constexpr std::array kCheckOptions = {
    CheckOption{2, &Form1::Check3, "AUDIO=1", "AUDIO=0"},
    CheckOption{3, &Form1::Check4, "VIDEO=1", "VIDEO=0"},
    CheckOption{4, &Form1::Check5, "WINDOWED=1", "WINDOWED=0"},
    CheckOption{6, &Form1::Check7, "DISABLE_NIS=1", "DISABLE_NIS=0"},
    CheckOption{7, &Form1::Check8, "OPTIONS/OFFSIDE=1", "OPTIONS/OFFSIDE=0"},
    CheckOption{8, &Form1::Check9, "OPTIONS/INJURIES=1", "OPTIONS/INJURIES=0"},
    CheckOption{9, &Form1::Check10, "OPTIONS/BOOKINGS=1", "OPTIONS/BOOKINGS=0"},
    CheckOption{10, &Form1::Check11, "GUI/SKIP_TITLE=1", "GUI/SKIP_TITLE=0"},
    CheckOption{11, &Form1::Check12, "OPTIONS/TIMEDISPLAY=1", "OPTIONS/TIMEDISPLAY=0"},
    CheckOption{12, &Form1::Check13, "OPTIONS/POSTFX_IN_GAMEPLAY=1", "OPTIONS/POSTFX_IN_GAMEPLAY=0"},
    CheckOption{13, &Form1::Check14, "OPTIONS/HOME_PLAYER_NAMEBAR=1", "OPTIONS/HOME_PLAYER_NAMEBAR=0"},
    CheckOption{14, &Form1::Check15, "OPTIONS/AWAY_PLAYER_NAMEBAR=1", "OPTIONS/AWAY_PLAYER_NAMEBAR=0"},
    CheckOption{15, &Form1::Check16, "OPTIONS/DEPTH_OF_FIELD=1", "OPTIONS/DEPTH_OF_FIELD=0"},
    CheckOption{16, &Form1::Check17, "PERFECT_GOALIE=1", "PERFECT_GOALIE=0"},
    CheckOption{17, &Form1::Check18, "NO_SECOND_YELLOW=1", "NO_SECOND_YELLOW=0"},
    CheckOption{18, &Form1::Check19, "NO_IMMEDIATE_RED_CARDS=1", "NO_IMMEDIATE_RED_CARDS=0"},
    CheckOption{20, &Form1::Check21, "OPTIONS/WIDESCREEN=1", "OPTIONS/WIDESCREEN=0"},
    CheckOption{21, &Form1::Check22, "ALLOW_DEBUG_FREE_CAM=1", "ALLOW_DEBUG_FREE_CAM=0"},
    CheckOption{24, &Form1::Check25, "NO_EXTRA_TIME=1", "NO_EXTRA_TIME=0"},
    CheckOption{25, &Form1::Check26, "NEVERENDING_GAME=1", "NEVERENDING_GAME=0"},
    CheckOption{27, &Form1::Check28, "OPTIONS/FINGRASS=1", "OPTIONS/FINGRASS=0"},
};

// How a combo box turns its selection into the value after the prefix.
enum class ValueRule {
    Index,      // the decimal text of ListIndex, "-1" with nothing selected
    ItemText,   // Text unchanged
    KitNumber,  // the game's kit number of the list position; no valid position: slot unchanged
    Seconds,    // Text read as minutes, times 60; not a number: slot unchanged
};

struct ComboOption {
    int slot;
    ComboBox Form1::*box;
    const char* prefix;
    ValueRule rule;
};

constexpr std::array kComboOptions = {
    ComboOption{52, &Form1::Combo3, "HOME_TEAM_KIT=", ValueRule::KitNumber},
    ComboOption{53, &Form1::Combo4, "AWAY_TEAM_KIT=", ValueRule::KitNumber},
    ComboOption{55, &Form1::Combo6, "LIGHTING=", ValueRule::Index},
    ComboOption{56, &Form1::Combo7, "RESOLUTION=", ValueRule::ItemText},
    ComboOption{58, &Form1::Combo9, "OPTIONS/CAMERA=", ValueRule::Index},
    ComboOption{59, &Form1::Combo10, "OPTIONS/DIFFICULTY_LEVEL=", ValueRule::Index},
    ComboOption{60, &Form1::Combo11, "OPTIONS/CAMERA_ZOOM=", ValueRule::ItemText},
    ComboOption{61, &Form1::Combo12, "OPTIONS/GAME_SPEED=", ValueRule::Index},
    ComboOption{62, &Form1::Combo13, "OPTIONS/CAMERA_HEIGHT=", ValueRule::ItemText},
    ComboOption{64, &Form1::Combo15, "OPTIONS/RADAR=", ValueRule::Index},
    ComboOption{65, &Form1::Combo16, "OPTIONS/SHADER_QUALITY=", ValueRule::Index},
    ComboOption{68, &Form1::Combo19, "OPTIONS/PLAYER_MARKER=", ValueRule::Index},
    ComboOption{95, &Form1::Combo8, "OPTIONS/QUALITY=", ValueRule::Index},
    ComboOption{98, &Form1::Combo14, "HALF_SECONDS=", ValueRule::Seconds},
};

// "Home Kit", "Away Kit", "Third Kit", "GK Kit": the game numbers the third kit 3 and the
// goalkeeper's kit 2, unlike the list.
constexpr std::array<int, 4> kKitNumbers = {0, 1, 3, 2};

// The directive of each side button of OT: home, neither (no directive), away.
constexpr std::array<const char*, 3> kSideDirectives = {kSideSelectHome, "", kSideSelectAway};

constexpr const char* kZoomModifierPrefix = "CAMERA_BIG_ZOOM_MODIFIER=";
constexpr const char* kHeightModifierPrefix = "CAMERA_BIG_HEIGHT_MODIFIER=";
constexpr const char* kZoomModifierDefault = "0.15";
constexpr const char* kHeightModifierDefault = "0.08";

// Shader quality "High": the only one under which depth of field can be chosen.
constexpr int kShaderHigh = 2;

// The value after the prefix, or nothing when the rule leaves the slot as it is.
std::optional<std::string> ComboValue(const ComboBox& box, ValueRule rule) {
    switch (rule) {
        case ValueRule::Index:
            return std::to_string(box.ListIndex());
        case ValueRule::ItemText:
            return box.Text();
        case ValueRule::KitNumber: {
            const int index = box.ListIndex();
            if (index < 0 || index >= static_cast<int>(kKitNumbers.size()))
                return std::nullopt;
            return std::to_string(kKitNumbers[static_cast<size_t>(index)]);
        }
        case ValueRule::Seconds:
            return HalfLengthSeconds(box.Text());
    }
    return std::nullopt;
}

void WireCheckOption(Form1& form, const CheckOption& option) {
    CheckBox& box = form.*option.box;
    box.onClick = [&form, &box, option] {
        form.slots.Write(option.slot, box.Checked() ? option.checked : option.unchecked);
    };
}

void WireComboOption(Form1& form, const ComboOption& option) {
    ComboBox& box = form.*option.box;
    box.onClick = [&form, &box, option] {
        if (auto value = ComboValue(box, option.rule))
            form.slots.Write(option.slot, option.prefix + *value);
    };
}

// Depth of field only goes with the high shader; leaving it unchecks the box, whose own Click
// then writes its "=0" directive.
void CoupleShaderToDepthOfField(Form1& form) {
    auto writeShaderSlot = std::move(form.Combo16.onClick);
    form.Combo16.onClick = [&form, writeShaderSlot] {
        writeShaderSlot();
        if (form.Combo16.ListIndex() == kShaderHigh) {
            form.Check16.SetEnabled(true);
            return;
        }
        form.Check16.SetEnabled(false);
        form.Check16.SetValue(0);
    };
}

void WireCameraModifiers(Form1& form) {
    form.Check70.onClick = [&form] {
        form.ZMO.SetEnabled(form.Check70.Checked());
        form.HMO.SetEnabled(form.Check70.Checked());
        WriteCameraModifierSlots(form);
    };
    auto filter = [](int& keyCode) {
        if (!ModifierKeyPasses(keyCode))
            keyCode = 0;
    };
    form.ZMO.onKeyPress = filter;
    form.HMO.onKeyPress = filter;
}

void WireSideButtons(Form1& form) {
    form.OT.onClick = [&form](int index) {
        if (index >= 0 && index < static_cast<int>(kSideDirectives.size()))
            form.slots.Write(kSideSlot, kSideDirectives[static_cast<size_t>(index)]);
    };
}

}  // namespace

void WireOptionCatalogue(Form1& form) {
    for (const CheckOption& option : kCheckOptions)
        WireCheckOption(form, option);
    for (const ComboOption& option : kComboOptions)
        WireComboOption(form, option);
    CoupleShaderToDepthOfField(form);
    form.Check20.onClick = [&form] { form.Combo18.SetEnabled(form.Check20.Checked()); };
    WireCameraModifiers(form);
    WireSideButtons(form);
}

std::optional<int> ListSlot(ComboBox Form1::*box) {
    for (const ComboOption& option : kComboOptions)
        if (option.box == box)
            return option.slot;
    return ChoiceSlot(box);
}

void WriteCameraModifierSlots(Form1& form) {
    WriteCameraModifierSlots(form, form.slots);
}

void WriteCameraModifierSlots(const Form1& form, SlotTable& slots) {
    if (form.Check70.Checked()) {
        slots.Write(kZoomModifierSlot, kZoomModifierPrefix + form.ZMO.Text());
        slots.Write(kHeightModifierSlot, kHeightModifierPrefix + form.HMO.Text());
    } else {
        slots.Write(kZoomModifierSlot, std::string(kZoomModifierPrefix) + kZoomModifierDefault);
        slots.Write(kHeightModifierSlot, std::string(kHeightModifierPrefix) + kHeightModifierDefault);
    }
}

bool ModifierKeyPasses(int keyCode) {
    constexpr int kBackspace = 8;
    return (keyCode >= '0' && keyCode <= '9') || keyCode == kBackspace || keyCode == '-' || keyCode == '.';
}

// The half length is written by snprintf rather than by std::to_chars, which brings some 170 KB of
// tables into the program. snprintf rounds correctly and writes a "." in the C locale, which the
// program never leaves. Whether digits read back is asked of std::from_chars: the system's strtod
// is not correctly rounded next to a power of two.
namespace {

// A positive number as significant digits and the power of ten of the first: 1.25 is "125", 0.
struct Significant {
    std::string digits;
    int exponent = 0;
};

double ValueOf(const Significant& number) {
    const int last = number.exponent - static_cast<int>(number.digits.size()) + 1;
    const std::string text = number.digits + "e" + std::to_string(last);
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

Significant RoundedTo(double magnitude, int digitsAfterTheFirst) {
    char text[32];
    std::snprintf(text, sizeof(text), "%.*e", digitsAfterTheFirst, magnitude);
    Significant number;
    const char* c = text;
    for (; *c != 'e'; ++c)
        if (*c != '.')
            number.digits += *c;
    number.exponent = std::atoi(c + 1);
    return number;
}

// The next number up with as many digits: 1.29 to 1.30, 9.99 to 10.0.
Significant OneUp(Significant number) {
    size_t i = number.digits.size();
    while (i > 0 && number.digits[i - 1] == '9')
        number.digits[--i] = '0';
    if (i == 0) {
        number.digits.front() = '1';
        ++number.exponent;
    } else {
        ++number.digits[i - 1];
    }
    return number;
}

// The fewest digits that read back as `magnitude` (positive), and of those the nearest, as
// std::to_chars chooses them. The correctly rounded digits are the nearest of their length; the
// next ones up can read back where they do not only at a power of two, whose neighbour below is
// twice as near as its neighbour above. 17 digits always read back.
Significant ShortestDigits(double magnitude) {
    int binaryExponent = 0;
    const bool powerOfTwo = std::frexp(magnitude, &binaryExponent) == 0.5;
    for (int after = 0; after < 16; ++after) {
        const Significant rounded = RoundedTo(magnitude, after);
        const double back = ValueOf(rounded);
        if (back == magnitude)
            return rounded;
        if (powerOfTwo && back < magnitude) {
            const Significant up = OneUp(rounded);
            if (ValueOf(up) == magnitude)
                return up;
        }
    }
    return RoundedTo(magnitude, 16);
}

// The shortest text without an exponent that reads back as `value` (finite), as std::to_chars
// writes it in fixed notation: a whole number with all its digits exact (1e23 as
// "99999999999999991611392"), any other with the fewest digits.
std::string ShortestFixedText(double value) {
    if (value == std::trunc(value)) {
        char whole[320];  // the largest double has 309 digits
        std::snprintf(whole, sizeof(whole), "%.0f", value);
        return whole;
    }
    // Not whole, so below 2^52, and so are its shortest digits: the point falls among them or
    // before them.
    const Significant number = ShortestDigits(std::fabs(value));
    std::string text = value < 0 ? "-" : "";
    if (number.exponent >= 0) {
        const size_t point = static_cast<size_t>(number.exponent) + 1;
        text += number.digits.substr(0, point) + "." + number.digits.substr(point);
    } else {
        text += "0." + std::string(static_cast<size_t>(-number.exponent - 1), '0') + number.digits;
    }
    return text;
}

}  // namespace

std::optional<std::string> HalfLengthSeconds(std::string_view minutes) {
    double value = 0;
    const char* first = minutes.data();
    const char* last = minutes.data() + minutes.size();
    auto [end, error] = std::from_chars(first, last, value);
    if (minutes.empty() || error != std::errc() || end != last)
        return std::nullopt;
    const double seconds = value * 60.0;
    if (!std::isfinite(seconds))
        return std::nullopt;
    // Fixed notation: the game reads a plain decimal number, never an exponent.
    return ShortestFixedText(seconds == 0 ? 0.0 : seconds);
}

}  // namespace pp
