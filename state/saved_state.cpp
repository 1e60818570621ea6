#include "state/saved_state.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <functional>
#include <span>
#include <string>
#include <variant>

#include "config/catalogue.h"
#include "model/form1.h"
#include "model/ignore_errors.h"

namespace pp {
namespace {

// The control a key belongs to; the kind of control fixes how its value is read and set.
using ControlRef = std::variant<CheckBox Form1::*, ComboBox Form1::*, TextBox Form1::*>;

enum class Property { Value, ListIndex, Text };

// What start-up uses when a key is absent.
struct Default {
    enum class Kind { None, Text, IndexOfItem } kind = Kind::None;
    const char* text = nullptr;  // the text itself, or the item whose index is meant
};

constexpr Default Text(const char* text) {
    return {Default::Kind::Text, text};
}
constexpr Default IndexOfItem(const char* item) {
    return {Default::Kind::IndexOfItem, item};
}
constexpr Default kNoDefault{};

struct SettingKey {
    const char* key;
    ControlRef control;
    Property property;
    Default fallback;
    bool read;                  // false: stored at every exit but never read back
    bool modifierText = false;  // a text box that takes only what its key filter lets through
    // false: the window never lets the player change the control (the keep box, the commentators
    // box, the language choice), so a setup neither holds nor applies it.
    bool playerSets = true;
};

// The settings key table. Its order is the order of the store sequence; the restore sequence
// takes the same rows in the groups and the order of the start-up (see RestoreSavedState). The
// default of the modifier texts is "0.5" with a full stop whatever the user's locale: the text
// goes straight into a directive, and the game reads numbers with a full stop.
constexpr std::array kSettingKeys = {
    SettingKey{"c2", &Form1::Check2, Property::Value, Text("0"), true, false, false},
    SettingKey{"c3", &Form1::Check3, Property::Value, Text("0"), true},
    SettingKey{"c4", &Form1::Check4, Property::Value, Text("0"), true},
    SettingKey{"c5", &Form1::Check5, Property::Value, Text("0"), true},
    SettingKey{"c6", &Form1::Check6, Property::Value, Text("0"), true, false, false},
    SettingKey{"c7", &Form1::Check7, Property::Value, Text("0"), true},
    SettingKey{"c8", &Form1::Check8, Property::Value, Text("0"), true},
    SettingKey{"c9", &Form1::Check9, Property::Value, Text("0"), true},
    SettingKey{"c10", &Form1::Check10, Property::Value, Text("0"), true},
    SettingKey{"c11", &Form1::Check11, Property::Value, Text("0"), true},
    SettingKey{"c12", &Form1::Check12, Property::Value, Text("0"), true},
    SettingKey{"c13", &Form1::Check13, Property::Value, Text("0"), true},
    SettingKey{"c14", &Form1::Check14, Property::Value, Text("0"), true},
    SettingKey{"c15", &Form1::Check15, Property::Value, Text("0"), true},
    SettingKey{"c16", &Form1::Check16, Property::Value, Text("0"), true},
    SettingKey{"c17", &Form1::Check17, Property::Value, Text("0"), true},
    SettingKey{"c18", &Form1::Check18, Property::Value, Text("0"), true},
    SettingKey{"c19", &Form1::Check19, Property::Value, Text("0"), true},
    SettingKey{"c20", &Form1::Check20, Property::Value, kNoDefault, false, false, false},
    SettingKey{"c21", &Form1::Check21, Property::Value, Text("0"), true},
    SettingKey{"c22", &Form1::Check22, Property::Value, Text("0"), true},
    SettingKey{"c25", &Form1::Check25, Property::Value, Text("0"), true},
    SettingKey{"c26", &Form1::Check26, Property::Value, Text("0"), true},
    SettingKey{"c28", &Form1::Check28, Property::Value, Text("0"), true},
    SettingKey{"c70", &Form1::Check70, Property::Value, Text("0"), true},
    SettingKey{"c71", &Form1::ZMO, Property::Text, Text("0.5"), true, true},
    SettingKey{"c72", &Form1::HMO, Property::Text, Text("0.5"), true, true},
    SettingKey{"cb1", &Form1::Combo1, Property::ListIndex, Text("0"), true},
    SettingKey{"cb2", &Form1::Combo2, Property::ListIndex, Text("0"), true},
    SettingKey{"cb3", &Form1::Combo3, Property::ListIndex, Text("0"), true},
    SettingKey{"cb4", &Form1::Combo4, Property::ListIndex, Text("0"), true},
    SettingKey{"cb5", &Form1::Combo5, Property::ListIndex, Text("0"), true},
    SettingKey{"cb6", &Form1::Combo6, Property::ListIndex, Text("0"), true},
    SettingKey{"cb7", &Form1::Combo7, Property::ListIndex, IndexOfItem("1024x768x32"), true},
    SettingKey{"cb8", &Form1::Combo8, Property::ListIndex, Text("0"), true},
    SettingKey{"cb9", &Form1::Combo9, Property::ListIndex, Text("0"), true},
    SettingKey{"cb10", &Form1::Combo10, Property::ListIndex, Text("0"), true},
    SettingKey{"cb11", &Form1::Combo11, Property::ListIndex, Text("0"), true},
    SettingKey{"cb12", &Form1::Combo12, Property::ListIndex, Text("0"), true},
    SettingKey{"cb13", &Form1::Combo13, Property::ListIndex, Text("0"), true},
    SettingKey{"cb14", &Form1::Combo14, Property::ListIndex, Text("0"), true},
    SettingKey{"cb15", &Form1::Combo15, Property::ListIndex, Text("0"), true},
    SettingKey{"cb16", &Form1::Combo16, Property::ListIndex, Text("0"), true},
    SettingKey{"cb18", &Form1::Combo18, Property::ListIndex, kNoDefault, false, false, false},
    SettingKey{"cb19", &Form1::Combo19, Property::ListIndex, Text("0"), true},
    SettingKey{"YC", &Form1::TX1, Property::Text, Text(""), true},
};

constexpr bool PropertyFitsControl(const SettingKey& row) {
    switch (row.property) {
        case Property::Value:
            return std::holds_alternative<CheckBox Form1::*>(row.control);
        case Property::ListIndex:
            return std::holds_alternative<ComboBox Form1::*>(row.control);
        case Property::Text:
            return std::holds_alternative<TextBox Form1::*>(row.control);
    }
    return false;
}

constexpr bool EveryRowIsSound() {
    for (const SettingKey& row : kSettingKeys)
        if (!PropertyFitsControl(row) || (row.read && row.fallback.kind == Default::Kind::None))
            return false;
    return true;
}
static_assert(EveryRowIsSound(), "each property must belong to its control, and each read key needs a default");

constexpr size_t RowIndex(std::string_view key) {
    for (size_t i = 0; i < kSettingKeys.size(); ++i)
        if (key == kSettingKeys[i].key)
            return i;
    throw "no such key in the settings key table";  // a compile-time error where it is used
}

// The rows from `first` to `last`, both included, in table order.
constexpr std::span<const SettingKey> Rows(std::string_view first, std::string_view last) {
    return std::span(kSettingKeys).subspan(RowIndex(first), RowIndex(last) - RowIndex(first) + 1);
}

constexpr auto kCheckBoxRows = Rows("c2", "c28");
constexpr auto kModifierSwitchRows = Rows("c70", "c70");
constexpr auto kModifierTextRows = Rows("c71", "c72");
constexpr auto kListRows = Rows("cb1", "cb19");
constexpr auto kCheatRows = Rows("YC", "YC");
static_assert(kCheckBoxRows.size() + kModifierSwitchRows.size() + kModifierTextRows.size() + kListRows.size() +
                      kCheatRows.size() ==
                  kSettingKeys.size(),
              "the restore groups together cover the whole table");

std::string DefaultText(Form1& form, const SettingKey& row) {
    if (row.fallback.kind != Default::Kind::IndexOfItem)
        return row.fallback.text;
    const ComboBox& combo = form.*std::get<ComboBox Form1::*>(row.control);
    return std::to_string(FindInList(combo.List(), row.fallback.text, true, -1));
}

// A stored modifier goes into a directive when the modifiers are enabled; one holding a character
// the box could not have been given by its keys (a blank that would cut the directive apart, a
// letter) is no modifier the box could hold.
bool ModifierBoxTakes(std::string_view text) {
    constexpr int kBackspace = 8;
    return std::all_of(text.begin(), text.end(), [](char c) { return c != kBackspace && ModifierKeyPasses(c); });
}

// Where restored values come from: the settings store at start-up, where an absent key takes its
// default, or the values of a setup, where an absent key leaves its control as it is.
using ValueSource = std::function<std::optional<std::string>(Form1&, const SettingKey&)>;

ValueSource StoreSource() {
    return [](Form1& form, const SettingKey& row) -> std::optional<std::string> {
        std::optional<std::string> stored = form.os.settings.Get(kSettingsApplication, form.settingsSection, row.key);
        return stored ? *stored : DefaultText(form, row);
    };
}

ValueSource ValuesSource(const SavedValues& values) {
    return [&values](Form1&, const SettingKey& row) -> std::optional<std::string> {
        auto found = values.find(row.key);
        return found == values.end() ? std::nullopt : std::optional(found->second);
    };
}

// A value the control refuses, a text that is no whole number, or a modifier text its box would
// not take, leaves the control as it is and raises nothing.
void RestoreRow(Form1& form, const SettingKey& row, const ValueSource& source) {
    const std::optional<std::string> value = source(form, row);
    if (!value)
        return;
    const std::string& text = *value;
    switch (row.property) {
        case Property::Value:
            if (std::optional<int> number = ParseWholeNumber(text))
                (form.*std::get<CheckBox Form1::*>(row.control)).SetValue(*number);
            break;
        case Property::ListIndex:
            if (std::optional<int> index = ParseWholeNumber(text))
                (form.*std::get<ComboBox Form1::*>(row.control)).SetListIndex(*index);
            break;
        case Property::Text:
            if (!row.modifierText || ModifierBoxTakes(text))
                (form.*std::get<TextBox Form1::*>(row.control)).SetText(text);
            break;
    }
}

void RestoreRows(Form1& form, std::span<const SettingKey> rows, const ValueSource& source) {
    for (const SettingKey& row : rows)
        if (row.read)
            IgnoreErrors([&] { RestoreRow(form, row, source); });
}

std::string CurrentText(const Form1& form, const SettingKey& row) {
    switch (row.property) {
        case Property::Value:
            return std::to_string((form.*std::get<CheckBox Form1::*>(row.control)).Value());
        case Property::ListIndex:
            return std::to_string((form.*std::get<ComboBox Form1::*>(row.control)).ListIndex());
        case Property::Text:
            return (form.*std::get<TextBox Form1::*>(row.control)).Text();
    }
    return {};
}

bool InSetups(const SettingKey& row) {
    return row.read && row.playerSets;
}

// A list box as the start-up finds it before the restore: nothing chosen and its slot empty, set
// without a Click, as the design-time state is; the restore's change of index then raises the
// box's Click as it does at start-up.
void ForgetChoice(Form1& form, const SettingKey& row) {
    ComboBox Form1::*box = std::get<ComboBox Form1::*>(row.control);
    (form.*box).List().SetSelectedIndex(-1);
    if (const std::optional<int> slot = ListSlot(box))
        form.slots.Write(*slot, "");
}

// Every option check box gets its directive, also where the restored value equals the value it
// had, which raised no Click: these are the check boxes restored first, but the keep box.
void RunOptionCheckBoxClicks(Form1& form) {
    for (const SettingKey& row : kCheckBoxRows) {
        CheckBox Form1::*box = std::get<CheckBox Form1::*>(row.control);
        if (row.read && box != &Form1::Check2)
            IgnoreErrors([&] { (form.*box).Click(); });
    }
}

}  // namespace

std::optional<int> ParseWholeNumber(std::string_view text) {
    // from_chars takes a "-" but no "+"; a "+" must be followed by a digit, so "+-1" is refused.
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (text.empty() || text.front() < '0' || text.front() > '9')
            return std::nullopt;
    }
    int value = 0;
    const char* end = text.data() + text.size();
    auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

// The restore's order: the check boxes before the lists, so that the shader list can clear the
// depth-of-field box the check boxes restored.
void RestoreControls(Form1& form, const ValueSource& source) {
    RestoreRows(form, kCheckBoxRows, source);
    RestoreRows(form, kModifierSwitchRows, source);
    IgnoreErrors([&] { form.Check70.Click(); });
    RestoreRows(form, kModifierTextRows, source);
    RunOptionCheckBoxClicks(form);
    RestoreRows(form, kListRows, source);
}

void RestoreSavedState(Form1& form) {
    RestoreControls(form, StoreSource());
}

void RestoreCheatText(Form1& form) {
    RestoreRows(form, kCheatRows, StoreSource());
}

std::vector<std::string> SetupKeys() {
    std::vector<std::string> keys;
    for (const SettingKey& row : kSettingKeys)
        if (InSetups(row))
            keys.emplace_back(row.key);
    return keys;
}

SavedValues CurrentValues(const Form1& form) {
    SavedValues values;
    for (const SettingKey& row : kSettingKeys)
        if (InSetups(row))
            values[row.key] = CurrentText(form, row);
    return values;
}

// The values are laid over the window's own, and every list box goes back to its state before
// the restore: then the restore leaves each slot as it does at start-up, whatever the window held.
void ApplyValues(Form1& form, const SavedValues& values) {
    SavedValues all = CurrentValues(form);
    for (const auto& [key, value] : values)
        if (ControlTakes(form, key, value))
            all[key] = value;
    for (const SettingKey& row : kListRows)
        if (InSetups(row))
            ForgetChoice(form, row);
    const ValueSource source = ValuesSource(all);
    RestoreControls(form, source);
    RestoreRows(form, kCheatRows, source);
}

bool ControlTakes(const Form1& form, const std::string& key, const std::string& value) {
    const auto row = std::find_if(kSettingKeys.begin(), kSettingKeys.end(),
                                  [&](const SettingKey& r) { return InSetups(r) && key == r.key; });
    if (row == kSettingKeys.end())
        return false;
    const std::optional<int> number = ParseWholeNumber(value);
    switch (row->property) {
        case Property::Value:
            return number && *number >= 0 && *number <= 2;
        case Property::ListIndex:
            return number && *number >= -1 &&
                   *number < (form.*std::get<ComboBox Form1::*>(row->control)).List().Count();
        case Property::Text:
            return !row->modifierText || ModifierBoxTakes(value);
    }
    return false;
}

void StoreSavedState(Form1& form) {
    for (const SettingKey& row : kSettingKeys)
        IgnoreErrors([&] {
            form.os.settings.Save(kSettingsApplication, form.settingsSection, row.key, CurrentText(form, row));
        });
}

}  // namespace pp
