#include "config/team_choice.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

#include "model/form1.h"
#include "model/ignore_errors.h"
#include "shell/fade.h"

namespace pp {
namespace {

struct TeamSide {
    ComboBox Form1::*box;
    int slot;
    const char* prefix;
    PictureBox Form1::*newPicture;
    Side side;
};

constexpr std::array kTeamSides = {
    TeamSide{&Form1::Combo1, 50, "HOME_TEAM=", &Form1::P_LOAD, Side::Home},
    TeamSide{&Form1::Combo2, 51, "AWAY_TEAM=", &Form1::P_LOAD2, Side::Away},
};

constexpr int kStadiumSlot = 54;
constexpr const char* kStadiumPrefix = "STADIUM=";

constexpr const char* kLogoFolder = "\\data\\easo\\fifa\\images\\logos\\logo";
constexpr const char* kDefaultPicture = "de.jpg";

// An id goes into a directive, and the directives are cut apart at blanks on their way to the
// game; an id with a blank would reach the game as a shorter id and a stray word. A line break or
// another control character would break the command line or user.ini apart. Such an id is
// treated as no id at all.
bool IsUsableId(std::string_view id) {
    return std::none_of(id.begin(), id.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte <= ' ' || byte == 0x7F;
    });
}

// The logo file name is "logo" + id + ".jpg" in the logo folder; an id with a folder separator, a
// drive colon or a wildcard would name a file elsewhere, so it gets the default picture.
bool IdNamesALogoFile(std::string_view id) {
    return id.find_first_of("\\/:*?\"<>|") == std::string_view::npos;
}

// The id of the first record, in file order, whose display name is `name`, ignoring case: the
// comma after the name keeps it from matching a longer name. Nothing when no record has that
// name, or the record has no id field or no usable id.
std::optional<std::string> FindRecordId(const ListBox& records, const std::string& name) {
    const int index = FindInList(records.List(), name + ",", false, -1);
    if (index < 0)
        return std::nullopt;
    ListRecord record = SplitRecord(records.List().Item(index));
    if (!record.hasId || !IsUsableId(record.id))
        return std::nullopt;
    return record.id;
}

// The team's logo when the game has one, otherwise the tool's default picture.
std::string PictureFileFor(Form1& form, const std::optional<std::string>& id) {
    if (id && IdNamesALogoFile(*id)) {
        std::string logo = LogoPath(form.GameRoot(), *id);
        if (form.os.files.LookUpOrdinaryFile(logo) == FileLookup::Found)
            return logo;
    }
    return form.os.host.ProgramFolder() + "\\" + kDefaultPicture;
}

// Every step is skipped on its own when it fails; the fade starts in every case.
void ChooseTeam(Form1& form, const TeamSide& side) {
    std::optional<std::string> id;
    IgnoreErrors([&] { id = FindRecordId(form.List1, (form.*side.box).Text()); });
    if (id)
        form.slots.Write(side.slot, side.prefix + *id);
    IgnoreErrors([&] {
        // A picture that cannot be loaded leaves the box with the one it had.
        if (PictureRef picture = form.os.pictures.Load(PictureFileFor(form, id)))
            (form.*side.newPicture).SetPicture(std::move(picture));
    });
    StartFade(form, side.side);
}

void ChooseStadium(Form1& form) {
    std::optional<std::string> id;
    IgnoreErrors([&] { id = FindRecordId(form.List2, form.Combo5.Text()); });
    if (id)
        form.slots.Write(kStadiumSlot, kStadiumPrefix + *id);
}

}  // namespace

std::optional<int> ChoiceSlot(ComboBox Form1::*box) {
    for (const TeamSide& side : kTeamSides)
        if (side.box == box)
            return side.slot;
    return box == &Form1::Combo5 ? std::optional(kStadiumSlot) : std::nullopt;
}

std::string LogoPath(const std::string& gameRoot, const std::string& id) {
    return gameRoot + kLogoFolder + id + ".jpg";
}

void WireTeamChoice(Form1& form) {
    for (const TeamSide& side : kTeamSides)
        (form.*side.box).onClick = [&form, side] { ChooseTeam(form, side); };
    form.Combo5.onClick = [&form] { ChooseStadium(form); };
}

}  // namespace pp
