#include "state/setup.h"

#include <algorithm>
#include <array>

#include "files/mstring.h"
#include "files/text_compare.h"
#include "model/form1.h"

namespace pp {
namespace {

constexpr std::string_view kHeader = "[Pitch Pilot setup]";
constexpr int kVersion = 1;

// The chosen entry of each list box with a name, and the keys of its name and of its position.
struct NamedChoice {
    ComboBox Form1::*box;
    std::string MatchSetup::*name;
    const char* nameKey;
    const char* positionKey;
    const char* what;
};
constexpr std::array kNamedChoices = {
    NamedChoice{&Form1::Combo1, &MatchSetup::home, "home", "cb1", "home team"},
    NamedChoice{&Form1::Combo2, &MatchSetup::away, "away", "cb2", "away team"},
    NamedChoice{&Form1::Combo5, &MatchSetup::stadium, "stadium", "cb5", "stadium"},
};

// A value stays on its line: "%", CR, LF and NUL are written as "%" and two hex digits.
std::string Escape(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c == '%' || c == '\r' || c == '\n' || c == '\0') {
            constexpr char kHex[] = "0123456789ABCDEF";
            out += '%';
            out += kHex[static_cast<unsigned char>(c) >> 4];
            out += kHex[static_cast<unsigned char>(c) & 15];
        } else {
            out += c;
        }
    }
    return out;
}

int HexDigit(char c) {
    return c >= '0' && c <= '9'   ? c - '0'
           : c >= 'A' && c <= 'F' ? c - 'A' + 10
           : c >= 'a' && c <= 'f' ? c - 'a' + 10
                                  : -1;
}

// A "%" that is not followed by two hex digits stands for itself.
std::string Unescape(std::string_view text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && HexDigit(text[i + 1]) >= 0 && HexDigit(text[i + 2]) >= 0) {
            out += static_cast<char>(HexDigit(text[i + 1]) * 16 + HexDigit(text[i + 2]));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

// The entry of that name: the one at `position` when it has the name (a name may be listed twice),
// else the first as it is written, else the first in another case.
int FindByName(const LineList& list, const std::string& name, const std::optional<int>& position) {
    if (name.empty())
        return -1;
    if (position && *position >= 0 && *position < list.Count() && list.Item(*position) == name)
        return *position;
    for (int i = 0; i < list.Count(); ++i)
        if (list.Item(i) == name)
            return i;
    return FindInList(list, name, true, -1);
}

bool IsDeviceName(std::string_view name) {
    static constexpr std::array<std::string_view, 6> kDevices = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"};
    // COM and LPT with a digit, or with a superscript one, two or three (in UTF-8).
    static constexpr std::array<std::string_view, 3> kSuperscripts = {"\xC2\xB9", "\xC2\xB2", "\xC2\xB3"};
    if (std::any_of(kDevices.begin(), kDevices.end(), [&](std::string_view d) { return EqualsIgnoringCase(name, d); }))
        return true;
    if (name.size() < 4 ||
        !(EqualsIgnoringCase(name.substr(0, 3), "COM") || EqualsIgnoringCase(name.substr(0, 3), "LPT")))
        return false;
    const std::string_view number = name.substr(3);
    return (number.size() == 1 && number[0] >= '0' && number[0] <= '9') ||
           std::find(kSuperscripts.begin(), kSuperscripts.end(), number) != kSuperscripts.end();
}

std::string Line(std::string_view key, std::string_view value) {
    return std::string(key) + "=" + Escape(value) + "\r\n";
}

}  // namespace

MatchSetup CurrentSetup(const Form1& form, const std::string& name) {
    MatchSetup setup{name, CurrentValues(form), {}, {}, {}};
    for (const NamedChoice& choice : kNamedChoices)
        setup.*choice.name = (form.*choice.box).List().SelectedText();
    return setup;
}

std::string SetupText(const MatchSetup& setup) {
    std::string text =
        std::string(kHeader) + "\r\n" + Line("version", std::to_string(kVersion)) + Line("name", setup.name);
    for (const NamedChoice& choice : kNamedChoices)
        text += Line(choice.nameKey, setup.*choice.name);
    for (const std::string& key : SetupKeys())
        if (auto value = setup.values.find(key); value != setup.values.end())
            text += Line(key, value->second);
    return text;
}

SetupFile ReadSetup(std::string_view text, const Form1& form) {
    SetupFile file;
    if (text.size() > kLargestSetupFile)
        return {std::nullopt, "it is larger than 1 MB", {}};
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    const SavedValues known = CurrentValues(form);
    MatchSetup setup;
    bool headerSeen = false;
    int lineNumber = 0;
    for (std::string_view line : SplitAt(text, "\n")) {
        ++lineNumber;
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (line.empty() || line.front() == ';')
            continue;
        if (!headerSeen) {
            if (line != kHeader)
                return {std::nullopt, "it is no Pitch Pilot setup", {}};
            headerSeen = true;
            continue;
        }
        const size_t equals = line.find('=');
        if (equals == std::string_view::npos)
            return {std::nullopt, "it is damaged (line " + std::to_string(lineNumber) + ")", {}};
        const std::string key(line.substr(0, equals)), value = Unescape(line.substr(equals + 1));
        if (key == "version") {
            const std::optional<int> version = ParseWholeNumber(value);
            if (!version)
                return {std::nullopt, "it is damaged (line " + std::to_string(lineNumber) + ")", {}};
            if (*version > kVersion)
                return {std::nullopt, "a newer Pitch Pilot made it (setup version " + value + ")", {}};
        } else if (key == "name") {
            setup.name = value;
        } else if (auto named = std::find_if(kNamedChoices.begin(), kNamedChoices.end(),
                                             [&](const NamedChoice& c) { return key == c.nameKey; });
                   named != kNamedChoices.end()) {
            setup.*named->name = value;
        } else if (std::any_of(kNamedChoices.begin(), kNamedChoices.end(),
                               [&](const NamedChoice& c) { return key == c.positionKey; }) ||
                   ControlTakes(form, key, value)) {
            setup.values[key] = value;  // a team's or stadium's position is weighed with its name
        } else if (known.count(key)) {
            file.problems.push_back(key + "=" + value + " is out of range");
        }
    }
    if (!headerSeen)
        return {std::nullopt, "it is no Pitch Pilot setup", {}};
    file.setup = std::move(setup);
    return file;
}

// A box of a setup without its name line (made by hand) is found by its position alone, and one
// with neither keeps its choice, naming nothing.
void ApplySetup(Form1& form, const MatchSetup& setup, std::vector<std::string>& problems) {
    SavedValues values = setup.values;
    for (const NamedChoice& choice : kNamedChoices) {
        const LineList& list = (form.*choice.box).List();
        const std::string& name = setup.*choice.name;
        auto position = values.find(choice.positionKey);
        const bool positionFits = position != values.end() && ControlTakes(form, choice.positionKey, position->second);
        const int byName = FindByName(list, name, positionFits ? ParseWholeNumber(position->second) : std::nullopt);
        if (byName >= 0) {
            values[choice.positionKey] = std::to_string(byName);
        } else if (!name.empty() && (!positionFits || position->second == "-1")) {
            problems.push_back("the " + std::string(choice.what) + " \"" + name + "\" is not in the list");
            values.erase(choice.positionKey);
        } else if (!positionFits && position != values.end()) {
            problems.push_back(position->first + "=" + position->second + " is out of range");
            values.erase(position);
        }
    }
    ApplyValues(form, values);
}

SetupLoad LoadSetup(Form1& form, std::string_view bytes) {
    SetupFile file = ReadSetup(bytes, form);
    if (!file.setup)
        return {file.refusal, {}};
    ApplySetup(form, *file.setup, file.problems);
    return {"", file.problems};
}

std::string SetupFileName(std::string_view name) {
    std::string file;
    for (char c : name)
        file +=
            (static_cast<unsigned char>(c) < 32 || std::string_view("<>:\"/\\|?*").find(c) != std::string_view::npos)
                ? '_'
                : c;
    while (!file.empty() && (file.back() == '.' || file.back() == ' '))
        file.pop_back();
    // Names the system keeps for its devices are no files, whatever follows the first full stop and
    // with blanks before it: "nul .x" is the device NUL.
    const std::string_view stem = std::string_view(file).substr(0, file.find('.'));
    if (IsDeviceName(stem.substr(0, stem.find_last_not_of(' ') + 1)))
        return std::string(stem) + "_" + file.substr(stem.size());
    return file.empty() ? "_" : file;
}

}  // namespace pp
