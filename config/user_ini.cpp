#include "config/user_ini.h"

#include <unordered_map>
#include <utility>

#include "files/text_compare.h"

namespace pp {
namespace {

// The characters the readers of ini files drop around names and in front of values: the ASCII
// white space and the DOS end-of-file mark.
bool IsIniBlank(char c) {
    return (c >= '\t' && c <= '\r') || c == '\x1A' || c == ' ';
}

std::string_view TrimFront(std::string_view text) {
    while (!text.empty() && IsIniBlank(text.front()))
        text.remove_prefix(1);
    return text;
}

std::string_view Trim(std::string_view text) {
    text = TrimFront(text);
    while (!text.empty() && IsIniBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool BreaksALine(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

// The sections of the file as they are gathered: each name found in one look-up, however many
// entries the cheat text brings.
class Sections {
  public:
    void Add(ProfileEntry entry) {
        auto [place, isNew] = byName_.try_emplace(MatchingKey(entry.section), sections_.size());
        if (isNew)
            sections_.push_back({std::move(entry.section), {}, {}});
        Section& section = sections_[place->second];
        auto [key, isNewKey] = section.byKey.try_emplace(MatchingKey(entry.key), section.entries.size());
        if (isNewKey)
            section.entries.emplace_back(std::move(entry.key), std::move(entry.value));
        else
            section.entries[key->second].second = std::move(entry.value);
    }

    std::string Text() const {
        std::string text;
        for (const Section& section : sections_)
            if (section.name.empty())
                AppendEntries(text, section);
        for (const Section& section : sections_)
            if (!section.name.empty()) {
                text += "[" + section.name + "]\r\n";
                AppendEntries(text, section);
            }
        return text;
    }

  private:
    struct Section {
        std::string name;
        std::vector<std::pair<std::string, std::string>> entries;
        std::unordered_map<std::string, size_t> byKey;
    };

    static void AppendEntries(std::string& text, const Section& section) {
        for (const auto& [key, value] : section.entries)
            text += key + "=" + value + "\r\n";
    }

    std::vector<Section> sections_;
    std::unordered_map<std::string, size_t> byName_;
};

}  // namespace

std::variant<ProfileEntry, Unwritten> SplitDirective(std::string_view token) {
    if (token.empty())
        return Unwritten::EmptyToken;
    if (BreaksALine(token))
        return Unwritten::BreaksALine;
    std::string_view section;
    std::string_view body = token;
    const size_t slash = token.find('/');
    if (slash != std::string_view::npos) {
        const size_t second = token.find('/', slash + 1);
        const std::string_view middle =
            token.substr(slash + 1, second == std::string_view::npos ? std::string_view::npos : second - slash - 1);
        if (!middle.empty()) {
            section = Trim(token.substr(0, slash));
            body = middle;
        }
    }
    const size_t equals = body.find('=');
    if (equals == std::string_view::npos)
        return Unwritten::NoEquals;
    const std::string_view key = Trim(body.substr(0, equals));
    if (key.empty())
        return Unwritten::EmptyKey;
    if (key.front() == '[')
        return Unwritten::KeyReadAsSection;
    if (key.front() == ';')
        return Unwritten::KeyReadAsComment;
    if (section.find(']') != std::string_view::npos)
        return Unwritten::SectionWithBracket;
    const std::string_view rest = TrimFront(body.substr(equals + 1));
    return ProfileEntry{std::string(section), std::string(key), std::string(rest.substr(0, rest.find('=')))};
}

std::variant<ProfileEntry, Unwritten> SplitAsStored(std::string_view token, const ProfileWriter& file) {
    return SplitDirective(file.AsStored(token));
}

std::string UserIniText(const std::vector<std::string>& tokens, const ProfileWriter& file) {
    Sections sections;
    for (const std::string& token : tokens) {
        auto split = SplitAsStored(token, file);
        if (auto* entry = std::get_if<ProfileEntry>(&split))
            sections.Add(std::move(*entry));
    }
    return sections.Text();
}

}  // namespace pp
