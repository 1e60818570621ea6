#include <gtest/gtest.h>

#include "config/team_choice.h"
#include "tests/native/support/game_folder.h"

namespace pp {
namespace {
struct TeamChoice : GameFolder {
    static PictureRef Solid(uint32_t colour) { return std::make_shared<const Picture>(2, 2, colour); }
    TeamChoice() { fake.pictures.pictures[kGameRoot + "KWTR\\PP09\\de.jpg"] = defaultLogo; }

    // The list files as start-up loads them: the records in file order, the names sorted.
    void Records(const Items& teams, const Items& stadiums = {}) {
        form.List1.List().AddMany(teams);
        form.List2.List().AddMany(stadiums);
        for (const auto& line : teams) {
            form.Combo1.List().Add(SplitRecord(line).name);
            form.Combo2.List().Add(SplitRecord(line).name);
        }
        for (const auto& line : stadiums)
            form.Combo5.List().Add(SplitRecord(line).name);
    }
    void Choose(ComboBox& box, const std::string& name) { box.SetListIndex(FindInList(box.List(), name, true, -1)); }
    PictureRef Logo(const std::string& id, uint32_t colour) {
        fake.files.Put(LogoPath(kGameRoot, id), "jpeg");
        return fake.pictures.pictures[LogoPath(kGameRoot, id)] = Solid(colour);
    }

    PictureRef defaultLogo = Solid(0xFF000001u);
};

// Found by the name and its comma; the id goes to the game only whole (no blank or line break in it).
TEST_F(TeamChoice, RecordLookUp) {
    EXPECT_EQ(LogoPath("C:\\G\\", "12"), "C:\\G\\\\data\\easo\\fifa\\images\\logos\\logo12.jpg");
    const std::vector<std::tuple<Items, std::string, std::string>> cases = {
        {{"Alpha,5,xyz"}, "Alpha", "HOME_TEAM=5"},
        {{"alpha,1", "ALPHA,2"}, "ALPHA", "HOME_TEAM=1"},  // the earlier record wins whatever the case
        {{"Alpha,2", "Alp,1"}, "Alp", "HOME_TEAM=1"},      // the comma stops a longer name from matching
        {{"Alpha,"}, "Alpha", "HOME_TEAM="},               // an empty id is still an id
        {{"Alpha"}, "Alpha", "previous"},                  // no id at all
        {{"Alpha,1 2"}, "Alpha", "previous"},
        {{"Alpha,5\nBeta,6\n"}, "Alpha", "previous"},
        {{"Alpha,\xC3\x89toile-5"}, "Alpha", "HOME_TEAM=\xC3\x89toile-5"}  // letters beyond ASCII are no blank
    };
    for (const auto& [records, chosen, slot] : cases) {
        form.List1.List().Clear();
        form.Combo1.List().Clear();
        form.slots.Write(50, "previous");
        Records(records);
        Choose(form.Combo1, chosen);
        EXPECT_EQ(form.slots.Read(50), slot) << chosen << " of " << records[0];
    }
}

// A stadium's slot only for a record with an id, and no picture; a team fills slot, logo box and fade.
TEST_F(TeamChoice, EachSideFillsItsSlotBoxAndFade) {
    Records({"Alpha,5", "Beta,7"}, {"North Bank,10", "Acre Park", "Moor,"});
    for (const auto& [name, slot] : std::vector<std::pair<std::string, std::string>>{
             {"North Bank", "STADIUM=10"}, {"Acre Park", "STADIUM=10"}, {"Moor", "STADIUM="}}) {
        Choose(form.Combo5, name);
        EXPECT_EQ(form.slots.Read(54), slot) << name;
    }
    EXPECT_TRUE(fake.pictures.loads.empty());
    PictureRef alpha = Logo("5", 0xFF0000FFu);
    Choose(form.Combo1, "Alpha");
    Choose(form.Combo2, "Beta");
    EXPECT_EQ(form.slots.Read(50) + " " + form.slots.Read(51), "HOME_TEAM=5 AWAY_TEAM=7");
    EXPECT_EQ(form.P_LOAD.Picture(), alpha);
    EXPECT_EQ(form.P_LOAD2.Picture(), defaultLogo);
    EXPECT_TRUE(form.TA.Enabled() && form.TA2.Enabled());
}

// No file, no id, an id escaping the folder, naming a drive or a wildcard: default; unloadable: kept.
TEST_F(TeamChoice, DefaultPictureWhenThereIsNoUsableLogo) {
    const Items ids = {"5", "", "..\\..\\..\\KWTR\\PP09\\x", "5/../../x", "C:x", "5*", "5?", "5|6"};
    Items records = {"Nameless"};
    for (size_t i = 0; i < ids.size(); ++i) {
        records.push_back("Team " + std::to_string(i) + "," + ids[i]);
        if (i > 1)
            Logo(ids[i], 0xFFABCDEFu);
    }
    Records(records);
    for (const auto& record : records) {
        form.P_LOAD.SetPicture(nullptr);
        Choose(form.Combo1, SplitRecord(record).name);
        EXPECT_EQ(form.P_LOAD.Picture(), defaultLogo) << record;
    }
    const PictureRef previous = Solid(0xFF123456u);
    form.P_LOAD.SetPicture(previous);
    fake.pictures.pictures.clear();
    Choose(form.Combo1, "Nameless");
    EXPECT_EQ(form.P_LOAD.Picture(), previous);
}
}  // namespace
}  // namespace pp
