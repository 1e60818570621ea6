#include <gtest/gtest.h>
#include <sstream>

#include "config/game_files_back.h"
#include "tests/native/support/fakes.h"

namespace pp {
namespace {
using M = MemoryFileSystem;

// "name=contents" of each file in the game root, in name order.
std::string Listing(const MemoryFileSystem& files) {
    std::string listing;
    for (const auto& [path, contents] : files.stored)
        listing += (listing.empty() ? "" : " ") + path.substr(kGameRoot.size()) + "=" + contents;
    return listing;
}

// sku.ini, whose copy bak_sku.ini holds "c", in each state the game folder can hold it in (files
// listed as "name=contents", the player's holding "m"). What the folder holds afterwards shows that
// nothing in the way is lost, the copy stays and no temporary copy is left.
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
        {"sku.ini=m", &M::failingMovesFrom, "sku.ini.restoring", "bak_sku.ini=c sku.ini=m", "could not be put back."},
    };
    for (const auto& row : rows) {
        MemoryFileSystem files;
        std::istringstream before("bak_sku.ini=c " + row.before);
        for (std::string file; before >> file;)
            files.Put(kGameRoot + file.substr(0, file.find('=')), file.substr(file.find('=') + 1));
        if (row.fault)
            (files.*row.fault).insert(kGameRoot + row.faulty);
        const std::string message = DescribePutBack(PutGameFilesBack(files, kGameRoot));
        EXPECT_NE(message.find(row.says), std::string::npos) << message;
        EXPECT_EQ(Listing(files), row.after) << row.says;
    }
}

// Only the copies of the five game files count, in their order, and only in a folder the start-up
// found: its root ends with "\" (before, the root label reads "Label2"). The question and the message
// name each file; the question says when the tool moves them aside again.
TEST(PutGameFilesBack, AsksAboutTheCopiesThereAndTellsWhatBecameOfEach) {
    MemoryFileSystem files;
    for (const std::string name : {"common.ini", "locale.ini", "sku.ini", "situation.ini", "user.ini"})
        files.Put(kGameRoot + "bak_" + name, "c");
    for (const char* name : {"common.ini", "common.ini.before-restore", "sku.ini", "situation.ini", "bak_teams.ini"})
        files.Put(kGameRoot + name, "m");
    files.Put(kGameRoot + "locale.ini", "c");
    files.Put("Label2bak_user.ini", "c");
    files.readOnly = {kGameRoot + "sku.ini"};
    files.inUse = {kGameRoot + "situation.ini"};
    EXPECT_TRUE(CopiesToPutBack(files, "Label2").empty());
    EXPECT_EQ(PutBackQuestion(CopiesToPutBack(files, kGameRoot)),
              "Put the game's files back from the copies Pitch Pilot moved aside?\n\n"
              "    bak_common.ini  back to  common.ini\n    bak_locale.ini  back to  locale.ini\n"
              "    bak_sku.ini  back to  sku.ini\n    bak_situation.ini  back to  situation.ini\n"
              "    bak_user.ini  back to  user.ini\n\n"
              "A different file in the way is kept as <name>.before-restore, and the copies stay.\n\n"
              "Pitch Pilot moves common.ini, locale.ini, sku.ini and situation.ini aside again the next time it "
              "starts, and user.ini whenever it closes with \"Save USER.INI\" clear (with the box checked, Save and "
              "START write it afresh). This is for when you stop using Pitch Pilot, or want the game as it was.");
    EXPECT_EQ(DescribePutBack(PutGameFilesBack(files, kGameRoot)),
              "common.ini: put back; the file that was there is now common.ini.before-restore-2.\n"
              "locale.ini: already the same as its copy, left as it is.\n"
              "sku.ini: not put back: the file there is read-only, and stays as it is.\n"
              "situation.ini: not put back: another program, perhaps the game, has the file open. Close it and try "
              "again.\nuser.ini: put back.\n\nThe bak_ copies stay in the game folder.");
    EXPECT_EQ(DescribePutBack({}), "There are no bak_ copies in the game folder: nothing was put back.");
}
}  // namespace
}  // namespace pp
