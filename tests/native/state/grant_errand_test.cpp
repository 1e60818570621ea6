#include <gtest/gtest.h>

#include "state/grant_errand.h"
#include "tests/native/support/fakes.h"

namespace pp {
namespace {
// Only where the game is; refused arguments never reach the grant.
TEST(GrantErrand, GrantsTheGameRootOfItsOwnPlaceOnly) {
    FakeOs fake;
    fake.InstallGame();
    const std::string sid = "S-1-5-21-1-2-3-1001";
    Items granted;
    bool grants = true;
    const GrantModify grant = [&](const std::string& folder, const std::string& account) {
        granted.push_back(folder + "|" + account);
        return grants;
    };
    EXPECT_EQ(RunGrantErrand({"/grant-folder-access", sid}, fake.host, fake.files, grant), GrantExit::Granted);
    EXPECT_EQ(granted, Items{kGameRoot + "|" + sid});
    grants = false;
    EXPECT_EQ(RunGrantErrand({"/grant-folder-access", sid}, fake.host, fake.files, grant), GrantExit::Failed);
    EXPECT_EQ(RunGrantErrand({"/grant-folder-access", "S-1-1-0"}, fake.host, fake.files, grant), GrantExit::Refused);
    fake.host.programFolder = "C:\\Windows\\System32\\PP09";  // copied away from the game
    EXPECT_EQ(RunGrantErrand({"/grant-folder-access", sid}, fake.host, fake.files, grant), GrantExit::NotAGameFolder);
    fake.host.programFolder = "C:\\PP09";
    EXPECT_EQ(RunGrantErrand({"/grant-folder-access", sid}, fake.host, fake.files, grant), GrantExit::NotAGameFolder);
    EXPECT_EQ(granted.size(), 2u);
}
}  // namespace
}  // namespace pp
