#include <gtest/gtest.h>

#include "app/startup.h"
#include "app/wiring.h"
#include "model/form1.h"
#include "shell/hover.h"
#include "tests/native/support/fakes.h"

namespace pp {
namespace {

const std::string kRoot = "C:\\Games\\FIFA 09 Demo\\";

// A game folder with every required file, and the tool in KWTR\PP09.
class StartUp : public testing::Test {
  protected:
    StartUp() {
        fake.host.programFolder = kRoot + "KWTR\\PP09";
        fake.files.Put(kRoot + "KWTR\\teams.ini", "Zeta,1\r\nalpha,2\r\nBeta,3\r\n");
        fake.files.Put(kRoot + "KWTR\\stads.ini", "North Bank,10\r\nAcre Park\r\n");
        fake.files.Put(kRoot + "data\\fifa.fat", "");
        fake.files.Put(kRoot + "fifa09.exe", "");
        fake.files.Put(kRoot + "data\\cmn\\fifa.db", "");
    }

    // Runs the start-up; false when the program ended.
    bool Start() {
        form = std::make_unique<Form1>(fake.os);
        WireHandlers(*form);
        try {
            form->Load();
            return true;
        } catch (const ProgramEnded&) {
            return false;
        }
    }

    std::vector<std::string> ConfigurationFilesPresent() const {
        std::vector<std::string> present;
        for (const char* name : {"common.ini", "locale.ini", "sku.ini", "situation.ini", "bak_common.ini",
                                 "bak_locale.ini", "bak_sku.ini", "bak_situation.ini"})
            if (fake.files.Has(kRoot + name))
                present.push_back(name);
        return present;
    }

    FakeOs fake;
    std::unique_ptr<Form1> form;
};

TEST(GameRoot, TwoLevelsAboveTheToolFolder) {
    struct Case {
        std::string toolFolder;
        std::optional<std::string> root;
    };
    const std::vector<Case> cases = {
        {"C:\\Games\\FIFA\\KWTR\\ABCD", "C:\\Games\\FIFA\\"},
        {"C:\\Games\\FIFA\\KWTR\\PitchPilot", "C:\\Games\\FIFA\\"},  // a renamed tool folder still works
        {"C:\\Games\\FIFA\\KWTR\\ABCD\\", "C:\\Games\\FIFA\\"},
        {"C:\\KWTR\\ABCD", "C:\\"},
        {"C:\\ABCD", std::nullopt},
        {"C:\\", std::nullopt},
        {"", std::nullopt},
        {"\\\\server\\share\\KWTR\\PP09", "\\\\server\\share\\"},
        {"\\\\server\\share\\PP09", std::nullopt},
        {"D:\\Spiele\\Fuß ball é\\KWTR\\PP09", "D:\\Spiele\\Fuß ball é\\"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GameRootFromToolFolder(c.toolFolder), c.root) << c.toolFolder;
}

TEST_F(StartUp, FindsTheGameRootAndLoadsTheListsFromIt) {
    fake.host.programFolder = "C:\\Games\\FIFA 09 Demo\\KWTR\\ABCD";
    ASSERT_TRUE(Start());
    EXPECT_EQ(form->GameRoot(), kRoot);
    EXPECT_EQ(form->settingsSection, "09PP");
    EXPECT_EQ(form->List1.List().Items(), (std::vector<std::string>{"Zeta,1", "alpha,2", "Beta,3"}));
    EXPECT_EQ(form->List2.List().Count(), 2);
}

TEST_F(StartUp, ChoiceListsAreSortedWhileTheRecordsKeepFileOrder) {
    ASSERT_TRUE(Start());
    const std::vector<std::string> sorted = {"alpha", "Beta", "Zeta"};
    EXPECT_EQ(form->Combo1.List().Items(), sorted);
    EXPECT_EQ(form->Combo2.List().Items(), sorted);
    EXPECT_EQ(form->List1.List().Item(0), "Zeta,1");
    // A record without a comma is listed by its whole line.
    EXPECT_EQ(form->Combo5.List().Items(), (std::vector<std::string>{"Acre Park", "North Bank"}));
}

TEST_F(StartUp, NameListedTwiceInTheFileIsListedTwice) {
    fake.files.Put(kRoot + "KWTR\\teams.ini", "Rovers,1\r\nrovers,2\r\nRovers,3");
    ASSERT_TRUE(Start());
    EXPECT_EQ(form->Combo1.List().Count(), 3);
}

TEST_F(StartUp, SecondCopyEndsBeforeAnyFileIsTouched) {
    fake.host.anotherCopy = true;
    fake.files.Put(kRoot + "common.ini", "c");
    EXPECT_FALSE(Start());
    EXPECT_EQ(fake.host.messages, (std::vector<std::string>{"Already running !"}));
    EXPECT_EQ(fake.host.titles, (std::vector<std::string>{"09 Demo Pitch Pilot"}));
    EXPECT_TRUE(fake.files.lookups.empty());
    EXPECT_EQ(ConfigurationFilesPresent(), (std::vector<std::string>{"common.ini"}));
}

TEST_F(StartUp, MissingGameFileEndsWithOneMessageAndNothingLoadedOrMoved) {
    fake.files.Delete(kRoot + "data\\fifa.fat");
    fake.files.deletions.clear();
    fake.files.Put(kRoot + "sku.ini", "s");
    EXPECT_FALSE(Start());
    EXPECT_EQ(fake.host.messages, (std::vector<std::string>{"Missing files ! Please re-install !"}));
    EXPECT_EQ(fake.files.lookups, (std::vector<std::string>{kRoot + "KWTR\\teams.ini", kRoot + "KWTR\\stads.ini",
                                                            kRoot + "data\\fifa.fat"}));
    EXPECT_EQ(form->List1.List().Count(), 0);
    EXPECT_EQ(ConfigurationFilesPresent(), (std::vector<std::string>{"sku.ini"}));
}

TEST_F(StartUp, EveryRequiredFileIsChecked) {
    for (const char* required :
         {"KWTR\\teams.ini", "KWTR\\stads.ini", "data\\fifa.fat", "fifa09.exe", "data\\cmn\\fifa.db"}) {
        FakeOs other;
        other.host.programFolder = fake.host.programFolder;
        for (const std::string& path : fake.files.Paths())
            if (path != kRoot + required)
                other.files.Put(path, "");
        Form1 f(other.os);
        WireHandlers(f);
        EXPECT_THROW(f.Load(), ProgramEnded) << required;
        EXPECT_EQ(other.host.messages.size(), 1u) << required;
    }
}

TEST_F(StartUp, AFolderOrHiddenFileInPlaceOfAGameFileCountsAsMissing) {
    fake.files.Delete(kRoot + "fifa09.exe");
    fake.files.PutFolder(kRoot + "fifa09.exe");
    EXPECT_FALSE(Start());
    EXPECT_EQ(fake.host.messages.size(), 1u);
}

TEST_F(StartUp, ToolFolderWithoutTwoParentsKeepsTheDesignCaptionAndEnds) {
    fake.host.programFolder = "C:\\PP09";
    EXPECT_FALSE(Start());
    EXPECT_EQ(form->LP.Caption(), "Label2");
    EXPECT_EQ(fake.host.messages, (std::vector<std::string>{"Missing files ! Please re-install !"}));
}

TEST_F(StartUp, FailedFileSearchAbandonsTheCheckSilently) {
    fake.files.failingLookups.insert(kRoot + "KWTR\\stads.ini");
    fake.files.Delete(kRoot + "fifa09.exe");
    ASSERT_TRUE(Start());
    EXPECT_TRUE(fake.host.messages.empty());
    EXPECT_EQ(form->List1.List().Count(), 3);
}

TEST_F(StartUp, MovesAllFourConfigurationFilesAsideOnce) {
    for (const char* name : {"common.ini", "locale.ini", "sku.ini", "situation.ini"})
        fake.files.Put(kRoot + name, std::string("contents of ") + name);
    ASSERT_TRUE(Start());
    EXPECT_EQ(ConfigurationFilesPresent(),
              (std::vector<std::string>{"bak_common.ini", "bak_locale.ini", "bak_sku.ini", "bak_situation.ini"}));
    EXPECT_EQ(fake.files.Contents(kRoot + "bak_situation.ini"), "contents of situation.ini");

    fake.files.deletions.clear();
    form.reset();
    ASSERT_TRUE(Start());
    EXPECT_TRUE(fake.files.deletions.empty());
    EXPECT_EQ(fake.files.Contents(kRoot + "bak_common.ini"), "contents of common.ini");
}

TEST_F(StartUp, ConfigurationFilePutBackReplacesItsOldCopy) {
    fake.files.Put(kRoot + "sku.ini", "new");
    fake.files.Put(kRoot + "bak_sku.ini", "old");
    ASSERT_TRUE(Start());
    EXPECT_EQ(fake.files.Contents(kRoot + "bak_sku.ini"), "new");
    EXPECT_EQ(ConfigurationFilesPresent(), (std::vector<std::string>{"bak_sku.ini"}));
}

TEST_F(StartUp, ConfigurationFileStaysWhenItsCopyFails) {
    fake.files.Put(kRoot + "common.ini", "precious");
    fake.files.Put(kRoot + "locale.ini", "l");
    fake.files.failingCopies.insert(kRoot + "bak_common.ini");
    ASSERT_TRUE(Start());
    EXPECT_EQ(fake.files.Contents(kRoot + "common.ini"), "precious");
    EXPECT_EQ(ConfigurationFilesPresent(), (std::vector<std::string>{"common.ini", "bak_locale.ini"}));
}

TEST_F(StartUp, UnreadableListFileLeavesItsListsEmptyAndGoesOn) {
    fake.files.failingReads.insert(kRoot + "KWTR\\teams.ini");
    fake.files.Put(kRoot + "common.ini", "c");
    ASSERT_TRUE(Start());
    EXPECT_EQ(form->Combo1.List().Count(), 0);
    EXPECT_EQ(form->Combo5.List().Count(), 2);
    EXPECT_EQ(ConfigurationFilesPresent(), (std::vector<std::string>{"bak_common.ini"}));
}

TEST_F(StartUp, SideSlotHoldsTheHomeSideAfterStartUp) {
    ASSERT_TRUE(Start());
    EXPECT_EQ(form->slots.Read(96), "SIDE_SELECT=-h");
    EXPECT_EQ(form->OT.Selected(), 0);
}

TEST_F(StartUp, LinksTakeTheLinkColourAndButtonsKeepTheirNormalPicture) {
    auto normal = std::make_shared<const Picture>(75, 22, 0xFF112233u);
    ASSERT_TRUE(Start());
    for (const Label& link : form->FLB)
        EXPECT_EQ(link.ForeColor(), MakeRgb(200, 255, 0));
    form->FBU.at(2).SetPicture(normal);
    form->NBU.at(2).SetPicture(nullptr);
    SetUpHover(*form);
    EXPECT_EQ(form->NBU.at(2).Picture(), normal);
}

}  // namespace
}  // namespace pp
