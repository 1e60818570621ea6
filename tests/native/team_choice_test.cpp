#include <gtest/gtest.h>

#include "app/wiring.h"
#include "config/team_choice.h"
#include "model/form1.h"
#include "tests/native/support/fakes.h"

namespace pp {
namespace {

const std::string kRoot = "C:\\Games\\FIFA 09 Demo\\";
const std::string kLogos = kRoot + "\\data\\easo\\fifa\\images\\logos\\";
const std::string kDefault = kRoot + "KWTR\\PP09\\de.jpg";

PictureRef Solid(uint32_t colour) {
    return std::make_shared<const Picture>(2, 2, colour);
}

class TeamChoice : public testing::Test {
  protected:
    TeamChoice() {
        fake.host.programFolder = kRoot + "KWTR\\PP09";
        form.LP.SetCaption(kRoot);
        fake.pictures.pictures[kDefault] = defaultPicture;
    }

    // The list files as start-up loads them: the records in file order, the names sorted.
    void Records(const std::vector<std::string>& teams, const std::vector<std::string>& stadiums = {}) {
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

    // A logo the game has, on disk and decodable.
    PictureRef Logo(const std::string& id, uint32_t colour) {
        fake.files.Put(kLogos + "logo" + id + ".jpg", "jpeg");
        return fake.pictures.pictures[kLogos + "logo" + id + ".jpg"] = Solid(colour);
    }

    FakeOs fake;
    Form1 form{fake.os};
    bool wired = (WireHandlers(form), true);
    PictureRef defaultPicture = Solid(0xFF000001u);
};

TEST(LogoPath, KeepsTheDoubledSeparatorAndTheIdUnchanged) {
    EXPECT_EQ(LogoPath("C:\\G\\", "12"), "C:\\G\\\\data\\easo\\fifa\\images\\logos\\logo12.jpg");
    EXPECT_EQ(LogoPath("C:\\G\\", ""), "C:\\G\\\\data\\easo\\fifa\\images\\logos\\logo.jpg");
}

TEST_F(TeamChoice, RecordLookUp) {
    struct Case {
        std::vector<std::string> records;
        std::string chosen;
        std::string slot50;  // "" when the slot keeps its previous text
    };
    const std::vector<Case> cases = {
        {{"Alpha,5"}, "Alpha", "HOME_TEAM=5"},
        {{"Alpha,5,xyz"}, "Alpha", "HOME_TEAM=5"},
        {{"alpha,1", "ALPHA,2"}, "ALPHA", "HOME_TEAM=1"},  // the earlier record wins whatever the case
        {{"alpha,1", "ALPHA,2"}, "alpha", "HOME_TEAM=1"},
        {{"Alpha,2", "Alp,1"}, "Alp", "HOME_TEAM=1"},  // the comma stops a longer name from matching
        {{"Alp,1", "Alpha,2"}, "Alpha", "HOME_TEAM=2"},
        {{"Alpha,"}, "Alpha", "HOME_TEAM="},  // an empty id is still an id
        {{"Alpha"}, "Alpha", ""},             // no id at all
        // An id the directives could not carry whole counts as none.
        {{"Alpha,5 6"}, "Alpha", ""},
        {{"Alpha, 5"}, "Alpha", ""},
        {{"Alpha,5\t"}, "Alpha", ""},
        {{"Alpha,5\nBeta,6\n"}, "Alpha", ""},  // a list file with LF line ends is one record
        {{std::string("Alpha,5\0", 8)}, "Alpha", ""},
        {{"Alpha,\xC3\x89toile-5"}, "Alpha", "HOME_TEAM=\xC3\x89toile-5"},  // letters beyond ASCII are no blank
    };
    for (const Case& c : cases) {
        FakeOs os;
        Form1 f(os.os);
        WireHandlers(f);
        f.LP.SetCaption(kRoot);
        f.slots.Write(50, "HOME_TEAM=previous");
        f.List1.List().AddMany(c.records);
        for (const auto& line : c.records)
            f.Combo1.List().Add(SplitRecord(line).name);
        f.Combo1.SetListIndex(FindInList(f.Combo1.List(), c.chosen, true, -1));
        EXPECT_EQ(f.slots.Read(50), c.slot50.empty() ? "HOME_TEAM=previous" : c.slot50) << c.chosen;
    }
}

TEST_F(TeamChoice, EachSideFillsItsSlotBoxAndFade) {
    Records({"Alpha,5", "Beta,7"});
    PictureRef alpha = Logo("5", 0xFF0000FFu);
    PictureRef beta = Logo("7", 0xFF00FF00u);

    form.fadeCounter = 40;
    Choose(form.Combo1, "Alpha");
    EXPECT_EQ(form.slots.Read(50), "HOME_TEAM=5");
    EXPECT_EQ(form.P_LOAD.Picture(), alpha);
    EXPECT_TRUE(form.TA.Enabled());
    EXPECT_FALSE(form.TA2.Enabled());
    EXPECT_EQ(form.fadeCounter, 0);

    form.fadeCounter = 90;
    Choose(form.Combo2, "Beta");
    EXPECT_EQ(form.slots.Read(51), "AWAY_TEAM=7");
    EXPECT_EQ(form.P_LOAD2.Picture(), beta);
    EXPECT_EQ(form.P_LOAD.Picture(), alpha);
    EXPECT_TRUE(form.TA2.Enabled());
    EXPECT_EQ(form.fadeCounter, 0);
    EXPECT_EQ(fake.pictures.loads, (std::vector<std::string>{kLogos + "logo5.jpg", kLogos + "logo7.jpg"}));
}

TEST_F(TeamChoice, DefaultPictureWhenThereIsNoLogo) {
    Records({"Alpha,5", "Nameless", "Empty,"});
    for (const char* name : {"Alpha", "Nameless", "Empty"}) {
        form.P_LOAD.SetPicture(nullptr);
        Choose(form.Combo1, name);
        EXPECT_EQ(form.P_LOAD.Picture(), defaultPicture) << name;
        EXPECT_EQ(fake.pictures.loads.back(), kDefault) << name;
    }
}

// The id becomes part of the logo's file name; one that would climb out of the logo folder, name
// a drive or hold a wildcard still goes to the game, but its picture is the default one.
TEST_F(TeamChoice, IdThatWouldNameAFileOutsideTheLogoFolderGetsTheDefaultPicture) {
    const std::vector<std::string> ids = {"..\\..\\..\\KWTR\\PP09\\x", "5/../../x", "C:x", "5*", "5?", "5|6"};
    for (const std::string& id : ids) {
        FakeOs os;
        os.host.programFolder = kRoot + "KWTR\\PP09";
        os.pictures.pictures[kDefault] = defaultPicture;
        os.files.Put(LogoPath(kRoot, id), "jpeg");
        os.pictures.pictures[LogoPath(kRoot, id)] = Solid(0xFFABCDEFu);
        Form1 f(os.os);
        WireHandlers(f);
        f.LP.SetCaption(kRoot);
        f.List1.List().Add("Alpha," + id);
        f.Combo1.List().Add("Alpha");
        f.Combo1.SetListIndex(0);
        EXPECT_EQ(f.slots.Read(50), "HOME_TEAM=" + id) << id;
        EXPECT_EQ(f.P_LOAD.Picture(), defaultPicture) << id;
        EXPECT_EQ(os.pictures.loads, std::vector<std::string>{kDefault}) << id;
    }
}

TEST_F(TeamChoice, PictureThatCannotBeLoadedKeepsTheBoxPictureAndStillFades) {
    Records({"Alpha,5", "Beta,7"});
    PictureRef previous = Solid(0xFF123456u);
    form.P_LOAD.SetPicture(previous);
    fake.pictures.pictures.clear();  // no de.jpg either

    Choose(form.Combo1, "Alpha");
    EXPECT_EQ(form.P_LOAD.Picture(), previous);
    EXPECT_TRUE(form.TA.Enabled());

    form.TA.SetEnabled(false);
    fake.files.Put(kLogos + "logo7.jpg", "not a picture");  // there, but it does not decode
    fake.pictures.pictures[kDefault] = defaultPicture;
    Choose(form.Combo1, "Beta");
    EXPECT_EQ(form.slots.Read(50), "HOME_TEAM=7");
    EXPECT_EQ(form.P_LOAD.Picture(), previous);
    EXPECT_TRUE(form.TA.Enabled());
}

TEST_F(TeamChoice, StadiumChoiceWritesSlot54OnlyForARecordWithAnId) {
    Records({}, {"North Bank,10", "Acre Park", "Moor,"});
    Choose(form.Combo5, "North Bank");
    EXPECT_EQ(form.slots.Read(54), "STADIUM=10");
    Choose(form.Combo5, "Acre Park");
    EXPECT_EQ(form.slots.Read(54), "STADIUM=10");
    Choose(form.Combo5, "Moor");
    EXPECT_EQ(form.slots.Read(54), "STADIUM=");
    form.List2.List().Clear();
    Choose(form.Combo5, "North Bank");
    EXPECT_EQ(form.slots.Read(54), "STADIUM=");
    EXPECT_TRUE(fake.pictures.loads.empty());
    EXPECT_FALSE(form.TA.Enabled());
}

}  // namespace
}  // namespace pp
