#include "config/save_command.h"

#include <algorithm>

#include "config/catalogue.h"
#include "config/required_files.h"
#include "files/text_compare.h"
#include "model/form1.h"
#include "model/ignore_errors.h"

namespace pp {
namespace {

constexpr const char* kOverrideFile = "user.ini";

// Text that would end a line of user.ini, or end the text early on its way to the system.
bool BreaksTheLine(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

// user.ini is replaced, never added to: the file is deleted and written afresh, so it holds the
// current entries alone. One that stays in place (read-only, held open by another program) is left
// exactly as it is rather than mixed with new entries. The game root ends with "\" once start-up
// has found it; without one the bare name would send the profile writer to the system folder.
bool OverrideFileCanBeReplaced(Form1& form, const std::string& path) {
    const std::string& root = form.GameRoot();
    if (root.empty() || root.back() != '\\')
        return false;
    if (form.os.files.Delete(path))
        return true;
    return form.os.files.LookUpOrdinaryFile(path) == FileLookup::Missing;
}

// user.ini as one write per token would leave it, gathered first so each section is one write:
// sections and keys in the order they first occur, names matched without regard to case, and the
// last value of a key that occurs again.
struct ProfileSection {
    std::string name;
    std::vector<std::pair<std::string, std::string>> entries;
};

void AddToSections(std::vector<ProfileSection>& sections, const ProfileEntry& entry) {
    auto section = std::find_if(sections.begin(), sections.end(),
                                [&](const ProfileSection& s) { return EqualsIgnoringCase(s.name, entry.section); });
    if (section == sections.end()) {
        sections.push_back({entry.section, {}});
        section = sections.end() - 1;
    }
    auto key = std::find_if(section->entries.begin(), section->entries.end(),
                            [&](const auto& e) { return EqualsIgnoringCase(e.first, entry.key); });
    if (key == section->entries.end())
        section->entries.emplace_back(entry.key, entry.value);
    else
        key->second = entry.value;
}

void WriteOverrideFile(Form1& form) {
    const std::string path = form.GameRoot() + kOverrideFile;
    bool replaceable = false;
    IgnoreErrors([&] { replaceable = OverrideFileCanBeReplaced(form, path); });
    if (!replaceable)
        return;
    IgnoreErrors([&] {
        form.Tva.SetText(form.TX1.Text() + " " + form.Tx2.Text());
        form.Lva.List().Clear();
        form.Lva.List().AddMany(SplitAtBlanks(form.Tva.Text()));
    });
    std::vector<ProfileSection> sections;
    for (const std::string& token : form.Lva.List().Items())
        IgnoreErrors([&] {
            if (auto entry = SplitDirective(token))
                AddToSections(sections, *entry);
        });
    for (const ProfileSection& section : sections)
        IgnoreErrors([&] { form.os.profile.WriteSection(section.name, section.entries, path); });
}

}  // namespace

std::string DirectiveLine(const SlotTable& slots) {
    std::string line;
    for (int i = 0; i < SlotTable::kSize; ++i) {
        line += ' ';
        line += slots.Read(i);
    }
    return line;
}

std::optional<ProfileEntry> SplitDirective(std::string_view token) {
    if (token.empty())
        return std::nullopt;
    std::string_view section;
    std::string_view body = token;
    const size_t slash = token.find('/');
    if (slash != std::string_view::npos) {
        const size_t second = token.find('/', slash + 1);
        const std::string_view middle =
            token.substr(slash + 1, second == std::string_view::npos ? std::string_view::npos : second - slash - 1);
        if (!middle.empty()) {
            section = token.substr(0, slash);
            body = middle;
        }
    }
    const size_t equals = body.find('=');
    if (equals == std::string_view::npos || equals == 0)
        return std::nullopt;
    const std::string_view rest = body.substr(equals + 1);
    ProfileEntry entry{std::string(section), std::string(body.substr(0, equals)),
                       std::string(rest.substr(0, rest.find('=')))};
    if (BreaksTheLine(entry.section) || BreaksTheLine(entry.key) || BreaksTheLine(entry.value))
        return std::nullopt;
    return entry;
}

void RunSaveCommand(Form1& form) {
    chk(form);
    IgnoreErrors([&] { WriteCameraModifierSlots(form); });
    IgnoreErrors([&] { form.Tx2.SetText(DirectiveLine(form.slots)); });
    if (!form.Check2.Checked())
        return;
    WriteOverrideFile(form);
}

}  // namespace pp
