#include <gtest/gtest.h>

#include "state/setup_files.h"
#include "tests/native/support/game_folder.h"

namespace pp {
namespace {
using SetupFiles = GameFolder;

const std::string kFolder = "C:\\Users\\me\\AppData\\Roaming\\Pitch Pilot\\Setups";

// The list shows each file's own name, and load and delete go to that very file: "Cup final " is
// the file "Cup final .ini", never "Cup final.ini" beside it.
TEST_F(SetupFiles, EachListedNameIsTheFileItStandsFor) {
    for (const char* file : {"Cup final .ini", "Cup final.ini", "b.ini", "notes.txt", ".ini", "Sub\\x.ini"})
        fake.files.Put(kFolder + "\\" + file, file);
    fake.files.Put(kFolder + " old\\y.ini", "");
    const std::vector<std::string> names = SavedSetupNames(fake.files, kFolder);
    EXPECT_EQ(names, (std::vector<std::string>{"b", "Cup final", "Cup final "}));
    for (const std::string& name : names) {
        const std::string path = ListedSetupPath(kFolder, name);
        ASSERT_TRUE(fake.files.Has(path)) << name;
        EXPECT_EQ(fake.files.Contents(path), name + ".ini") << "the file of \"" << name << "\"";
    }
    EXPECT_EQ(NewSetupPath(kFolder, "Cup final "), kFolder + "\\Cup final.ini") << "a typed name is cleaned";
    fake.files.readOnly.insert(kFolder + "\\b.ini");
    EXPECT_EQ(DeleteSavedSetup(fake.files, kFolder, "b"), "the file there is read-only");
    EXPECT_EQ(DeleteSavedSetup(fake.files, kFolder, "Cup final "), std::nullopt);
    EXPECT_EQ(SavedSetupNames(fake.files, kFolder), (std::vector<std::string>{"b", "Cup final"}));
}

// Saved beside the target and moved over it: an unrelated "<name>.new" stays as it was, and no
// file of the tool's is left behind.
TEST_F(SetupFiles, SaveLeavesAFileNamedLikeItsNewFileAlone) {
    const std::string path = kFolder + "\\Cup.ini";
    fake.files.Put(path, "old");
    fake.files.Put(path + ".new", "mine");
    EXPECT_EQ(SaveSetupFile(form, path, "Cup"), std::nullopt);
    EXPECT_EQ(fake.files.Contents(path + ".new"), "mine");
    EXPECT_TRUE(fake.files.Contents(path).starts_with("[Pitch Pilot setup]\r\nversion=1\r\nname=Cup\r\n"));
    EXPECT_EQ(fake.files.FilesIn(kFolder), (std::vector<std::string>{"Cup.ini", "Cup.ini.new"}));
}

// A setup the tool would write larger than it loads is not written at all: what the tool writes,
// it reads. One that fits is read back whole.
TEST_F(SetupFiles, WhatTheToolSavesItLoads) {
    const std::string path = kFolder + "\\Big.ini";
    const size_t rest = SetupText(CurrentSetup(form, "Big")).size();
    for (size_t over : {0, 1}) {
        fake.files.Put(path, "old");
        form.TX1.SetText(std::string(kLargestSetupFile - rest + over, 'x'));
        const std::optional<std::string> why = SaveSetupFile(form, path, "Big");
        EXPECT_EQ(why.value_or("saved"), over ? "it would be larger than 1 MB" : "saved");
        if (over) {
            EXPECT_TRUE(fake.files.Contents(path) == "old") << "the old file stays";
            continue;
        }
        form.TX1.SetText("");
        EXPECT_EQ(LoadSetupFile(form, path).refusal, "");
        EXPECT_EQ(form.TX1.Text().size(), kLargestSetupFile - rest);
    }
}

// A step that fails leaves the setup there as it was and no new file beside it; the reason is the
// player's to act on.
TEST_F(SetupFiles, AFailedSaveKeepsTheOldFileAndSaysWhy) {
    const std::string path = kFolder + "\\Cup.ini";
    const std::vector<std::tuple<std::string, std::function<void()>, std::string>> cases = {
        {"read-only", [&] { fake.files.readOnly.insert(path); }, "the file there is read-only"},
        {"held open", [&] { fake.files.inUse.insert(path); }, "another program has the file open"},
        {"not written", [&] { fake.files.failingWrites.insert(path + ".new"); }, "it could not be written"},
        {"not flushed", [&] { fake.files.failingFlushes.insert(path + ".new"); }, "it could not be written"},
    };
    for (const auto& [what, fault, why] : cases) {
        fake.files = MemoryFileSystem();
        fake.files.Put(path, "old");
        fault();
        EXPECT_EQ(SaveSetupFile(form, path, "Cup").value_or("saved"), why) << what;
        EXPECT_EQ(fake.files.stored, (std::map<std::string, std::string>{{path, "old"}})) << what;
    }
}

TEST_F(SetupFiles, AFileThatCannotBeReadIsRefusedWithTheSystemsReason) {
    fake.files.failingReads.insert(kFolder + "\\x.ini");
    EXPECT_EQ(LoadSetupFile(form, kFolder + "\\x.ini").refusal, "Access is denied.");
    EXPECT_EQ(LoadSetupFile(form, kFolder + "\\absent.ini").refusal, "File not found");
}

// A file of many bad lines gets a message of a few lines: the first problems and how many more.
TEST_F(SetupFiles, AProblemMessageNamesTheFirstFewAndTheCount) {
    std::string text = "[Pitch Pilot setup]\r\n";
    for (int i = 0; i < 500; ++i)
        text += "c3=" + std::to_string(i + 3) + "\r\n";
    fake.files.Put(kFolder + "\\bad.ini", text);
    const SetupLoad load = LoadSetupFile(form, kFolder + "\\bad.ini");
    ASSERT_EQ(load.problems.size(), 500u);
    EXPECT_EQ(LoadMessage("bad.ini", load),
              "The setup file\nbad.ini\nwas loaded, but for:\n  c3=3 is out of range\n  c3=4 is out of range\n"
              "  c3=5 is out of range\n  c3=6 is out of range\n  c3=7 is out of range\n  and 495 more.");
    EXPECT_EQ(LoadMessage("x.ini", {"it is no Pitch Pilot setup", {}}),
              "The setup file\nx.ini\nwas not loaded: it is no Pitch Pilot setup.");
    EXPECT_EQ(LoadMessage("x.ini", {}), "");
}
}  // namespace
}  // namespace pp
