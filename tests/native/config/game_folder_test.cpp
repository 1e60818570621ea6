#include <gtest/gtest.h>

#include "config/game_folder.h"
#include "config/launcher.h"
#include "config/save_command.h"
#include "tests/native/support/game_folder.h"

namespace pp {
namespace {
// A game folder the player may not change, as Program Files is without an administrator.
struct ReadOnlyGameFolder : GameFolder {
    ReadOnlyGameFolder() {
        for (const char* name : kConfigurationFiles)
            fake.files.Put(kGameRoot + name, name);
        fake.files.unwritableFolders.insert(kGameRoot);
        Store("c2", "1");  // the keep box checked
    }
    void AllowFromNowOn() { fake.files.unwritableFolders.clear(); }
    const Items kUntouched = {"common.ini", "fifa09.exe", "locale.ini", "situation.ini", "sku.ini"};
    const Items kMovedAside = {"bak_common.ini", "bak_locale.ini", "bak_situation.ini", "bak_sku.ini", "fifa09.exe"};
};

// Known by a real probe: nothing changes, the note shows, one message once shown (Allow on Windows only).
TEST_F(ReadOnlyGameFolder, StartUpChangesNothingAndTellsOnceWhatWillNotHappen) {
    for (const bool windows : {false, true}) {
        fake.host.messages.clear();
        fake.host.canRunElevated = windows;
        auto run = Start();
        EXPECT_EQ(FilesInRoot(), kUntouched);
        EXPECT_EQ(run->FolderNote.Caption(), kFolderNoteText);
        EXPECT_TRUE(fake.host.messages.empty()) << "nothing before the window shows";
        run->Shown();
        ASSERT_EQ(fake.host.messages.size(), 1u);
        const std::string& told = fake.host.messages[0];
        EXPECT_TRUE(told.starts_with(windows ? "ask: " : "tell: ")) << told;
        EXPECT_NE(told.find("game folder\n\n    " + kGameRoot + "\n\n"), std::string::npos) << told;
        const std::string allow = "[" + std::string(kAllowButton) + "|" + kNotNowButton + "]";
        EXPECT_TRUE(told.ends_with(windows ? allow : "or move the game folder to a place of your own.")) << told;
        EXPECT_TRUE(fake.host.elevatedRuns.empty()) << "Not now is the default, and changes nothing";
        run->Unload();
    }
}

// Every outcome of the elevated copy but a grant is told once; a grant moves the files aside silently.
TEST_F(ReadOnlyGameFolder, AllowGrantsThroughTheElevatedCopyAndDoesWhatTheStartUpSkipped) {
    using Went = ElevatedRun::Start;
    const struct {
        ElevatedRun run;
        const char* told;  // what the second message holds; none for a grant
    } cases[] = {{{Went::Ran, 0}, "still may not: another rule keeps it from"},
                 {{Went::Declined, 0}, "the administrator's consent was not given. Pitch Pilot carries on as before."},
                 {{Went::Failed, 0}, "could not start Pitch Pilot as administrator. Pitch Pilot carries on as before."},
                 {{Went::Ran, 3}, "were not changed: the copy started as administrator found no game around it."},
                 {{Went::Ran, 4}, "refused the change (code 4). Pitch Pilot carries on as before."},
                 {{Went::Ran, 0}, nullptr}};  // last, as it leaves the files moved aside
    for (const auto& each : cases) {
        fake.files.unwritableFolders.insert(kGameRoot);
        fake.host.messages.clear();
        fake.host.elevatedRuns.clear();
        fake.host.answers = {true};
        fake.host.elevatedRun = each.run;
        fake.host.whileElevated = [&] {
            if (!each.told)
                AllowFromNowOn();
        };
        auto run = Start();
        run->Shown();
        EXPECT_EQ(fake.host.elevatedRuns, (std::vector<Items>{{"/grant-folder-access", fake.host.account}}));
        EXPECT_EQ(FilesInRoot(), each.told ? kUntouched : kMovedAside) << each.run.exitCode;
        EXPECT_EQ(run->FolderNote.Caption(), each.told ? kFolderNoteText : "");
        ASSERT_EQ(fake.host.messages.size(), each.told ? 2u : 1u) << each.run.exitCode;
        if (each.told) {
            EXPECT_NE(fake.host.messages[1].find(each.told), std::string::npos) << fake.host.messages[1];
        }
        run->Unload();
    }
    fake.files.unwritableFolders.insert(kGameRoot);
    fake.host.account = "S-1-5-32-544";  // no person's account: no administrator is asked for it
    fake.host.elevatedRuns.clear();
    fake.host.answers = {true};
    Start()->Shown();
    EXPECT_TRUE(fake.host.elevatedRuns.empty());
    EXPECT_TRUE(fake.host.messages.back().ends_with("were not changed: Windows did not tell which account is yours."));
}

// Told once a run; once the folder may change, the next save moves the files aside and writes user.ini.
TEST_F(ReadOnlyGameFolder, StartTellsOnceWhyUserIniWasNotWrittenAndTheGameStillStarts) {
    auto run = Start();
    RunStartCommand(*run);
    RunStartCommand(*run);
    EXPECT_EQ(fake.shell.calls.size(), 2u);
    EXPECT_EQ(fake.shell.calls[0], kGameRoot + "fifa09.exe| " + run->Tx2.Text() + " |" + kGameRoot);
    EXPECT_EQ(UserIni(), "(none)");
    EXPECT_EQ(FilesInRoot(), kUntouched);
    EXPECT_EQ(fake.host.messages.size(), 1u) << "what it tells, the save's reasons show";

    AllowFromNowOn();
    RunStartCommand(*run);
    Items written = kMovedAside;
    written.push_back("user.ini");
    EXPECT_EQ(FilesInRoot(), written);
    EXPECT_EQ(run->FolderNote.Caption(), "");

    fake.files.Put(kGameRoot + "sku.ini", "put back");  // aside once, not at every look that finds it writable
    fake.files.unwritableFolders.insert(kGameRoot);
    RunStartCommand(*run);
    AllowFromNowOn();
    RunStartCommand(*run);
    EXPECT_EQ(fake.files.Contents(kGameRoot + "sku.ini"), "put back");
    run->Unload();
    fake.host.messages.clear();
    Start()->Shown();  // a folder that may change is not told about
    EXPECT_TRUE(fake.host.messages.empty());
}

// Each reason told once a run; the companion window names the same ones, a shadow copy before any save.
TEST_F(GameFolder, EachReasonUserIniDoesNotReachTheGameIsNamed) {
    const std::string userIni = kGameRoot + kUserIni;
    const struct {
        const char* setUp;
        UserIniObstacle why;
        const char *told, *shown;  // in the message at the save; in the companion window
    } cases[] = {
        {"writable", UserIniObstacle::None, nullptr, ""},
        {"read-only", UserIniObstacle::ReadOnly, "and Pitch Pilot leaves it as it is.", "Save leaves it as it is."},
        {"held open", UserIniObstacle::HeldOpen, "Save or START writes it again.", "Save cannot replace it."},
        {"not writable", UserIniObstacle::FolderNotWritable, "may not change the game folder\n\n    ",
         "write it there."},
        {"shadow", UserIniObstacle::ShadowCopy, nullptr, "and the game reads that copy instead."}};
    form.Check2.SetValue(1);
    for (const auto& each : cases) {
        const std::string setUp = each.setUp;
        fake.files.Put(userIni, "[OLD]\r\n");
        fake.files.readOnly = setUp == "read-only" ? std::set{userIni} : std::set<std::string>{};
        fake.files.inUse = setUp == "held open" ? std::set{userIni} : std::set<std::string>{};
        fake.files.unwritableFolders = setUp == "not writable" ? std::set{kGameRoot} : std::set<std::string>{};
        if (setUp == "shadow")
            fake.files.Put(fake.files.virtualStore + "\\Games\\FIFA 09 Demo\\user.ini", "");
        fake.host.answers = {false};  // leave the shadow copy where it is
        form.gameFolder.writable = setUp != "not writable";
        EXPECT_EQ(WhyUserIniWouldNotReachTheGame(form), each.why) << setUp;
        EXPECT_TRUE(UserIniWillNotReachTheGame(each.why).ends_with(each.shown)) << setUp;
        EXPECT_EQ(UserIniWillNotReachTheGame(each.why).empty(), each.why == UserIniObstacle::None) << setUp;
        for (int save = 0; save < 2; ++save) {
            fake.host.messages.clear();
            RunSaveCommand(form);
            const bool tells = each.told && save == 0;
            ASSERT_EQ(fake.host.messages.size(), (tells || (setUp == "shadow" && save == 0)) ? 1u : 0u) << setUp;
            if (tells) {
                EXPECT_NE(fake.host.messages[0].find(each.told), std::string::npos) << fake.host.messages[0];
            }
        }
    }
    form.LP.SetCaption("Label2");  // no game root found: nothing to tell of
    form.gameFolder.writable = false;
    EXPECT_EQ(WhyUserIniWouldNotReachTheGame(form), UserIniObstacle::None);
    form.LP.SetCaption(kGameRoot);
    fake.files.failingDeletes.insert(userIni);  // refused for no reason the file system tells
    fake.files.Put(userIni, "");
    RunSaveCommand(form);
    EXPECT_EQ(fake.host.messages, Items{"tell: user.ini was not written: Windows refused to write it in the game "
                                        "folder.\n\nThe game still gets every choice on its command line."});
    fake.host.messages.clear();
    form.gameFolder.toldWhyUnwritten = 0;
    fake.profile.throwing = true;  // a writer that fails with an error refuses as well
    RunSaveCommand(form);
    EXPECT_EQ(fake.host.messages.size(), 1u);
}
}  // namespace
}  // namespace pp
