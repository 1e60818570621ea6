#include <gtest/gtest.h>

#include "state/setup_files.h"
#include "tests/native/support/game_folder.h"

namespace pp {
namespace {
using SetupFiles = GameFolder;

const std::string kFolder = "C:\\Users\\me\\AppData\\Roaming\\Pitch Pilot\\Setups";
const std::string kCup = kFolder + "\\Cup.ini";

// "Cup final " is the file "Cup final .ini", never "Cup final.ini" beside it.
TEST_F(SetupFiles, EachListedNameIsTheFileItStandsFor) {
    for (const char* file : {"Cup final .ini", "Cup final.ini", "b.ini", "notes.txt", ".ini", "Sub\\x.ini"})
        fake.files.Put(kFolder + "\\" + file, file);
    fake.files.Put(kFolder + " old\\y.ini", "");
    const Items names = SavedSetupNames(fake.files, kFolder);
    EXPECT_EQ(names, (Items{"b", "Cup final", "Cup final "}));
    for (const std::string& name : names)
        EXPECT_EQ(fake.files.stored[ListedSetupPath(kFolder, name)], name + ".ini");
    EXPECT_EQ(NewSetupPath(kFolder, "Cup final "), kFolder + "\\Cup final.ini") << "a typed name is cleaned";
    fake.files.readOnly.insert(kFolder + "\\b.ini");
    EXPECT_EQ(DeleteSavedSetup(fake.files, kFolder, "b"), "the file there is read-only");
    EXPECT_EQ(DeleteSavedSetup(fake.files, kFolder, "Cup final "), std::nullopt);
    EXPECT_EQ(SavedSetupNames(fake.files, kFolder), (Items{"b", "Cup final"}));
}

// Saved beside the target and moved over it; no file of the tool's is left behind.
TEST_F(SetupFiles, SaveLeavesAFileNamedLikeItsNewFileAlone) {
    fake.files.Put(kCup, "old");
    fake.files.Put(kCup + ".new", "mine");
    EXPECT_EQ(SaveSetupFile(form, kCup, "Cup"), std::nullopt);
    EXPECT_EQ(fake.files.Contents(kCup + ".new"), "mine");
    EXPECT_TRUE(fake.files.Contents(kCup).starts_with("[Pitch Pilot setup]\r\nversion=1\r\nname=Cup\r\n"));
    EXPECT_EQ(fake.files.FilesIn(kFolder), (Items{"Cup.ini", "Cup.ini.new"}));
}

// Too large to load is not written at all; one that just fits is read back whole.
TEST_F(SetupFiles, WhatTheToolSavesItLoads) {
    const size_t rest = SetupText(CurrentSetup(form, "Cup")).size();
    for (size_t over : {1, 0}) {
        fake.files.Put(kCup, "old");
        form.TX1.SetText(std::string(kLargestSetupFile - rest + over, 'x'));
        EXPECT_EQ(SaveSetupFile(form, kCup, "Cup").value_or("saved"), over ? "it would be larger than 1 MB" : "saved");
        EXPECT_EQ(fake.files.Contents(kCup) == "old", over == 1);
    }
    form.TX1.SetText("");
    EXPECT_EQ(LoadSetupFile(form, kCup).refusal, "");
    EXPECT_EQ(form.TX1.Text().size(), kLargestSetupFile - rest);
}

// A step that fails leaves the setup there as it was and no new file beside it, and says why.
TEST_F(SetupFiles, AFailedSaveKeepsTheOldFileAndSaysWhy) {
    for (const auto& [fault, why] : {std::pair{&MemoryFileSystem::readOnly, "the file there is read-only"},
                                     {&MemoryFileSystem::inUse, "another program has the file open"},
                                     {&MemoryFileSystem::failingFlushes, "it could not be written"}}) {
        fake.files = MemoryFileSystem();
        fake.files.Put(kCup, "old");
        (fake.files.*fault).insert(fault == &MemoryFileSystem::failingFlushes ? kCup + ".new" : kCup);
        EXPECT_EQ(SaveSetupFile(form, kCup, "Cup").value_or("saved"), why);
        EXPECT_EQ(fake.files.stored, (std::map<std::string, std::string>{{kCup, "old"}})) << why;
    }
}

TEST_F(SetupFiles, AFileThatCannotBeReadIsRefusedWithTheSystemsReason) {
    fake.files.failingReads.insert(kCup);
    EXPECT_EQ(LoadSetupFile(form, kCup).refusal, "Access is denied.");
    EXPECT_EQ(LoadSetupFile(form, kFolder + "\\absent.ini").refusal, "File not found");
}

// A file of many bad lines gets a message of a few lines: the first problems and how many more.
TEST_F(SetupFiles, AProblemMessageNamesTheFirstFewAndTheCount) {
    std::string text = "[Pitch Pilot setup]\r\n";
    for (int i = 0; i < 500; ++i)
        text += "c3=" + std::to_string(i + 3) + "\r\n";
    fake.files.Put(kCup, text);
    const SetupLoad load = LoadSetupFile(form, kCup);
    ASSERT_EQ(load.problems.size(), 500u);
    EXPECT_EQ(LoadMessage("Cup.ini", load),
              "The setup file\nCup.ini\nwas loaded, but for:\n  c3=3 is out of range\n  c3=4 is out of range\n"
              "  c3=5 is out of range\n  c3=6 is out of range\n  c3=7 is out of range\n  and 495 more.");
    EXPECT_EQ(LoadMessage("x.ini", {"it is no Pitch Pilot setup", {}}),
              "The setup file\nx.ini\nwas not loaded: it is no Pitch Pilot setup.");
    EXPECT_EQ(LoadMessage("x.ini", {}), "");
}
}  // namespace
}  // namespace pp
