#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "config/game_files_back.h"
#include "tests/native/support/fakes.h"

namespace pp {
namespace {
using M = MemoryFileSystem;

// sku.ini (copy bak_sku.ini = "c", the player's = "m") in each state the folder can hold it in.
TEST(PutGameFilesBack, NothingOfThePlayersIsLostWhateverIsInTheWay) {
    const struct {
        std::string before;
        std::set<std::string> M::*fault;
        std::string faulty, after, says;
    } rows[] = {
        {"", nullptr, "", "bak_sku.ini=c sku.ini=c", "sku.ini: put back."},
        {"sku.ini=c", nullptr, "", "bak_sku.ini=c sku.ini=c", "already the same"},
        {"sku.ini=m", nullptr, "", "bak_sku.ini=c sku.ini=c sku.ini.before-restore=m", "now sku.ini.before-restore."},
        {"sku.ini=m sku.ini.before-restore=o sku.ini.before-restore-2=p sku.ini.restoring=x", nullptr, "",
         "bak_sku.ini=c sku.ini=c sku.ini.before-restore=o sku.ini.before-restore-2=p sku.ini.before-restore-3=m "
         "sku.ini.restoring=x",
         "now sku.ini.before-restore-3."},
        {"sku.ini=m", &M::readOnly, "sku.ini", "bak_sku.ini=c sku.ini=m", "read-only"},
        {"sku.ini=m", &M::inUse, "sku.ini", "bak_sku.ini=c sku.ini=m", "has the file open"},
        {"", &M::failingFlushes, "sku.ini.restoring", "bak_sku.ini=c", "could not be put back."},
        {"sku.ini=m", &M::failingMovesFrom, "sku.ini", "bak_sku.ini=c sku.ini=m", "could not be put back."},
        {"sku.ini=m", &M::failingMovesFrom, "sku.ini.restoring", "bak_sku.ini=c sku.ini=m", "could not be put back."}};
    for (const auto& row : rows) {
        MemoryFileSystem files;
        std::istringstream before("bak_sku.ini=c " + row.before);
        for (std::string file; before >> file;)
            files.Put(kGameRoot + file.substr(0, file.find('=')), file.substr(file.find('=') + 1));
        if (row.fault)
            (files.*row.fault).insert(kGameRoot + row.faulty);
        const std::string message = DescribePutBack(PutGameFilesBack(files, kGameRoot));
        EXPECT_NE(message.find(row.says), std::string::npos) << message;
        EXPECT_EQ(files.Listing(kGameRoot), row.after) << row.says;
    }
}

// Only copies that are there, in order, in a root the start-up found (ends in "\"); one line per fate.
TEST(PutGameFilesBack, AsksAboutTheCopiesThereAndTellsWhatBecameOfEach) {
    MemoryFileSystem files;
    for (const char* name : {"user.ini", "situation.ini", "sku.ini", "common.ini", "teams.ini"})
        files.Put(kGameRoot + "bak_" + name, "c");
    files.Put("Label2bak_user.ini", "c");
    EXPECT_TRUE(CopiesToPutBack(files, "Label2").empty());
    const Items copies = CopiesToPutBack(files, kGameRoot);
    EXPECT_EQ(copies, (Items{"bak_common.ini", "bak_sku.ini", "bak_situation.ini", "bak_user.ini"}));
    const std::string question = PutBackQuestion(copies), told = DescribePutBack(PutGameFilesBack(files, kGameRoot));
    const Items lines = SplitAt(told, "\n");
    std::vector<size_t> asked;
    for (size_t i = 0; i < copies.size(); ++i) {
        asked.push_back(question.find(copies[i]));
        EXPECT_TRUE(lines.at(i).starts_with(copies[i].substr(4) + ": ")) << told;
    }
    EXPECT_TRUE(std::is_sorted(asked.begin(), asked.end()) && asked.back() != std::string::npos) << question;
    EXPECT_EQ(question.find("bak_teams.ini"), std::string::npos);
    EXPECT_NE(DescribePutBack({}), "") << "an empty result is told too";
}
}  // namespace
}  // namespace pp
