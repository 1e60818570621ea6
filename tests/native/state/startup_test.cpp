#include <gtest/gtest.h>

#include "state/startup.h"
#include "tests/native/support/game_folder.h"

namespace pp {
namespace {
struct StartUp : GameFolder {
    StartUp() { form.LP.SetCaption("Label2"); }  // as designed, before the start-up finds the root
};

TEST(GameRoot, TwoLevelsAboveTheToolFolder) {
    const std::vector<std::pair<std::string, std::optional<std::string>>> cases = {
        {"C:\\Games\\FIFA\\KWTR\\PitchPilot\\", "C:\\Games\\FIFA\\"},  // a renamed tool folder still works
        {"C:\\KWTR\\ABCD", "C:\\"},
        {"C:\\ABCD", std::nullopt},
        {"\\\\server\\share\\KWTR\\PP09", "\\\\server\\share\\"},
        {"D:\\Spiele\\Fuß ball é\\KWTR\\PP09", "D:\\Spiele\\Fuß ball é\\"}};
    for (const auto& [toolFolder, root] : cases)
        EXPECT_EQ(GameRootFromToolFolder(toolFolder), root) << toolFolder;
}

// Records in file order; the lists sorted, a record without a comma by its whole line, doubles twice.
TEST_F(StartUp, FindsTheGameRootAndFillsTheListsFromItsListFiles) {
    fake.files.Put(kGameRoot + "KWTR\\teams.ini", "Zeta,1\r\nalpha,2\r\nBeta,3\r\nzeta,4\r\n");
    fake.host.programFolder = kGameRoot + "KWTR\\ABCD";
    ASSERT_TRUE(Runs([&] { form.Load(); }));
    EXPECT_EQ(form.GameRoot(), kGameRoot);
    EXPECT_EQ(form.List1.List().Items(), (Items{"Zeta,1", "alpha,2", "Beta,3", "zeta,4"}));
    EXPECT_EQ(form.Combo1.List().Items(), (Items{"alpha", "Beta", "Zeta", "zeta"}));
    EXPECT_EQ(form.Combo2.List().Items(), form.Combo1.List().Items());
    EXPECT_EQ(form.List2.List().Items(), (Items{"North Bank,10", "Acre Park"}));
    EXPECT_EQ(form.Combo5.List().Items(), (Items{"Acre Park", "North Bank"}));
    for (const Label& link : form.FLB)
        EXPECT_EQ(link.ForeColor(), kLinkColor);
}

TEST_F(StartUp, SecondCopyEndsBeforeAnyFileIsTouched) {
    fake.host.anotherCopy = true;
    EXPECT_FALSE(Runs([&] { form.Load(); }));
    EXPECT_EQ(fake.host.messages, (Items{std::string(kApplicationTitle) + ": Already running !"}));
    EXPECT_TRUE(fake.files.lookups.empty());  // neither the game's files checked nor any moved aside
}

// As copies replacing older ones; a failed copy or flush stays; an unreadable list file stops nothing.
TEST_F(StartUp, MovesTheConfigurationFilesAsideOnce) {
    for (const char* name : {"common.ini", "locale.ini", "sku.ini", "situation.ini", "bak_sku.ini"})
        fake.files.Put(kGameRoot + name, name);
    fake.files.failingCopies.insert(kGameRoot + "bak_locale.ini");
    fake.files.failingFlushes.insert(kGameRoot + "bak_sku.ini");
    fake.files.failingReads.insert(kGameRoot + "KWTR\\teams.ini");
    ASSERT_TRUE(Runs([&] { form.Load(); }));
    EXPECT_EQ(form.Combo1.List().Count(), 0);
    EXPECT_EQ(form.Combo5.List().Count(), 2);
    const std::string moved = "bak_common.ini=common.ini bak_situation.ini=situation.ini bak_sku.ini=sku.ini";
    EXPECT_EQ(fake.files.Listing(kGameRoot), moved + " fifa09.exe= locale.ini=locale.ini sku.ini=sku.ini");
    fake.files.failingCopies.clear();
    fake.files.failingFlushes.clear();
    fake.files.Delete(kGameRoot + "locale.ini");
    auto second = Start();
    EXPECT_EQ(fake.files.Listing(kGameRoot), moved + " fifa09.exe=");
}
}  // namespace
}  // namespace pp
