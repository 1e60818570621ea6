#include <gtest/gtest.h>

#include "config/save_command.h"
#include "config/shadow_copies.h"
#include "tests/native/support/game_folder.h"

namespace pp {
namespace {
TEST(ShadowFolder, TheGameRootWithoutItsDriveBelowVirtualStore) {
    const std::string store = "C:\\Users\\Ana\\AppData\\Local\\VirtualStore";
    const std::vector<std::pair<std::string, std::optional<std::string>>> cases = {
        {"C:\\Program Files (x86)\\EA\\FIFA 09 Demo\\", store + "\\Program Files (x86)\\EA\\FIFA 09 Demo\\"},
        {"d:\\Spiele\\Fu\xC3\x9F"
         "ball",
         store + "\\Spiele\\Fu\xC3\x9F"
                 "ball\\"},  // another drive, no "\" at the end
        {"C:/Games/FIFA/", store + "\\Games\\FIFA\\"},
        {"C:\\", store + "\\"},
        {"Z:\\F\\", store + "\\F\\"},
        {"z:\\F\\", store + "\\F\\"},
        {"\\\\?\\C:\\Program Files\\FIFA\\", store + "\\Program Files\\FIFA\\"},  // a long path
        {"\\\\.\\E:\\FIFA\\", store + "\\FIFA\\"},
        {"\\\\server\\share\\FIFA\\", std::nullopt},  // network shares are never virtualized
        {"\\\\?\\UNC\\server\\share\\FIFA\\", std::nullopt},
        {"C:FIFA\\", std::nullopt},  // relative to a drive's current folder
        {"FIFA\\", std::nullopt},
        {"1:\\FIFA\\", std::nullopt},
        {"", std::nullopt}};
    for (const auto& [root, shadows] : cases)
        EXPECT_EQ(ShadowFolderOf(store, root), shadows) << root;
    EXPECT_EQ(ShadowFolderOf(store + "\\", "C:\\FIFA\\"), store + "\\FIFA\\");
    EXPECT_EQ(ShadowFolderOf("", "C:\\FIFA\\"), std::nullopt) << "no VirtualStore, no shadows";
}

// Offered once a run each; renamed beside itself to a free name, never deleted; a failure is named.
TEST_F(GameFolder, ShadowCopiesAreOfferedOnceAndRenamedBesideThemselves) {
    const std::string shadows = fake.files.virtualStore + "\\Games\\FIFA 09 Demo\\";
    for (const char* name : {"sku.ini", "user.ini", "bak_user.ini", "common.ini"})
        fake.files.Put(shadows + name, name);
    fake.files.failingMovesFrom.insert(shadows + "common.ini");
    fake.host.answers = {true};
    RunSaveCommand(form);
    RunSaveCommand(form);
    ASSERT_EQ(fake.host.messages.size(), 2u);
    EXPECT_NE(fake.host.messages[0].find("\n    " + shadows + "common.ini\n    " + shadows + "sku.ini\n    " + shadows +
                                         "user.ini\n"),
              std::string::npos)
        << fake.host.messages[0];
    EXPECT_TRUE(fake.host.messages[0].ends_with("nothing is deleted. [Move them aside|Leave them]"));
    EXPECT_TRUE(fake.host.messages[1].ends_with("could not be moved aside, and the game may still read them:\n\n    " +
                                                shadows + "common.ini\n"));
    EXPECT_EQ(fake.files.Listing(shadows),
              "bak_sku.ini=sku.ini bak_user.ini=bak_user.ini bak_user.ini-2=user.ini common.ini=common.ini");

    fake.files.Put(shadows + "locale.ini", "");  // the game wrote another one while it ran
    RunSaveCommand(form);
    ASSERT_EQ(fake.host.messages.size(), 3u);
    EXPECT_EQ(fake.host.messages[2].find(shadows + "common.ini"), std::string::npos) << "told of before";
    EXPECT_NE(fake.host.messages[2].find(shadows + "locale.ini"), std::string::npos);
    EXPECT_TRUE(fake.files.Has(shadows + "locale.ini")) << "no answer is no";
}
}  // namespace
}  // namespace pp
