#include "config/game_folder.h"

#include "config/game_files.h"
#include "config/shadow_copies.h"
#include "model/form1.h"
#include "model/ignore_errors.h"
#include "shell/start_switches.h"

namespace pp {
namespace {

// What of the file's own state keeps a new user.ini from replacing it.
UserIniObstacle ObstacleOfTheFile(FileSystem& files, const std::string& path) {
    if (files.IsReadOnly(path))
        return UserIniObstacle::ReadOnly;
    if (files.IsInUse(path))
        return UserIniObstacle::HeldOpen;
    return UserIniObstacle::None;
}

std::string WhatWillNotHappen(const std::string& root) {
    return "Your account may not change the game folder\n\n    " + root +
           "\n\nUntil it may, Pitch Pilot cannot write user.ini there (the game still gets every choice on its "
           "command line), cannot move common.ini, locale.ini, sku.ini and situation.ini aside, and cannot put the "
           "game's files back.";
}

// What the player learns of an Allow that did not give their account the folder.
std::string GrantFailure(const ElevatedRun& run) {
    const std::string unchanged = "The game folder's permissions were not changed: ";
    if (run.start == ElevatedRun::Start::Declined)
        return unchanged + "the administrator's consent was not given. Pitch Pilot carries on as before.";
    if (run.start == ElevatedRun::Start::Failed)
        return unchanged + "Windows could not start Pitch Pilot as administrator. Pitch Pilot carries on as before.";
    if (run.exitCode == static_cast<uint32_t>(GrantExit::NotAGameFolder))
        return unchanged + "the copy started as administrator found no game around it.";
    return unchanged + "Windows refused the change (code " + std::to_string(run.exitCode) +
           "). Pitch Pilot carries on as before.";
}

// Runs the copy of this program that gives the player's own account Modify on the game folder, then
// looks again.
void AllowMyAccount(Form1& form) {
    ProgramHost& host = form.os.host;
    const std::string account = host.AccountId();
    if (!IsAccountSid(account)) {
        host.Tell("The game folder's permissions were not changed: Windows did not tell which account is yours.");
        return;
    }
    const ElevatedRun run = host.RunElevated({std::string("/") + kGrantSwitch, account});
    if (run.start != ElevatedRun::Start::Ran || run.exitCode != static_cast<uint32_t>(GrantExit::Granted))
        host.Tell(GrantFailure(run));
    else if (!RefreshGameFolder(form))
        host.Tell(
            "Your account was given the right to change the game folder, but it still may not: another rule "
            "keeps it from\n\n    " +
            form.GameRoot());
}

}  // namespace

bool ProbeGameFolder(Form1& form) {
    const bool writable = form.os.files.CanCreateAndDeleteIn(form.GameRoot());
    form.gameFolder.writable = writable;
    form.FolderNote.SetCaption(writable ? "" : kFolderNoteText);
    return writable;
}

bool RefreshGameFolder(Form1& form) {
    if (!ProbeGameFolder(form))
        return false;
    if (form.gameFolder.moveAsidePending) {
        form.gameFolder.moveAsidePending = false;
        MoveConfigurationFilesAside(form);
    }
    return true;
}

// Only an ordinary file is moved, as the required-files check counts files.
void MoveConfigurationFilesAside(Form1& form) {
    FileSystem& files = form.os.files;
    const std::string& root = form.GameRoot();
    for (const char* name : kConfigurationFiles)
        IgnoreErrors([&] {
            if (files.LookUpOrdinaryFile(root + name) == FileLookup::Found)
                MoveAside(files, root + name, root + kCopyPrefix + name);
        });
}

std::string NotWritableNotice(const std::string& gameRoot, bool canAllow) {
    if (canAllow)
        return WhatWillNotHappen(gameRoot) + "\n\n\"" + kAllowButton +
               "\" asks Windows for an administrator's consent once, and then gives your own account the right to "
               "change this folder and what is in it. Nothing else runs as administrator, the game neither. Or "
               "move the game folder to a place of your own, such as C:\\Games.";
    return WhatWillNotHappen(gameRoot) +
           "\n\nIts permissions must change so that your account may write to it (on Linux, for example, make "
           "your user its owner), or move the game folder to a place of your own.";
}

void TellAboutGameFolder(Form1& form) {
    if (!form.gameFolder.writable && IsGameRoot(form.GameRoot())) {
        ProgramHost& host = form.os.host;
        if (!host.CanRunElevated())
            host.Tell(NotWritableNotice(form.GameRoot(), false));
        else if (host.Ask(NotWritableNotice(form.GameRoot(), true), kAllowButton, kNotNowButton))
            AllowMyAccount(form);
    }
    OfferToMoveShadowCopies(form);
}

UserIniObstacle WhyUserIniWasNotWritten(Form1& form) {
    if (!ProbeGameFolder(form))
        return UserIniObstacle::FolderNotWritable;
    const UserIniObstacle file = ObstacleOfTheFile(form.os.files, form.GameRoot() + kUserIni);
    return file == UserIniObstacle::None ? UserIniObstacle::Refused : file;
}

void TellUserIniNotWritten(Form1& form, UserIniObstacle why) {
    const unsigned bit = 1u << static_cast<unsigned>(why);
    if (why == UserIniObstacle::None || (form.gameFolder.toldWhyUnwritten & bit))
        return;
    form.gameFolder.toldWhyUnwritten |= bit;
    std::string text = "user.ini was not written: ";
    switch (why) {
        case UserIniObstacle::FolderNotWritable:
            text += "your account may not change the game folder\n\n    " + form.GameRoot();
            break;
        case UserIniObstacle::ReadOnly:
            text += "the user.ini in the game folder is read-only, and Pitch Pilot leaves it as it is.";
            break;
        case UserIniObstacle::HeldOpen:
            text +=
                "another program, perhaps the game, has the user.ini in the game folder open. Close it, and "
                "Save or START writes it again.";
            break;
        case UserIniObstacle::None:
        case UserIniObstacle::ShadowCopy:
        case UserIniObstacle::Refused:
            text += "Windows refused to write it in the game folder.";
            break;
    }
    form.os.host.Tell(text + "\n\nThe game still gets every choice on its command line.");
}

UserIniObstacle WhyUserIniWouldNotReachTheGame(const Form1& form) {
    FileSystem& files = form.os.files;
    const std::string& root = form.GameRoot();
    if (!IsGameRoot(root))
        return UserIniObstacle::None;
    if (!form.gameFolder.writable)
        return UserIniObstacle::FolderNotWritable;
    if (const UserIniObstacle file = ObstacleOfTheFile(files, root + kUserIni); file != UserIniObstacle::None)
        return file;
    const auto shadows = ShadowFolderOf(files.VirtualStoreFolder(), root);
    if (shadows && files.Exists(*shadows + kUserIni))
        return UserIniObstacle::ShadowCopy;
    return UserIniObstacle::None;
}

std::string UserIniWillNotReachTheGame(UserIniObstacle why) {
    const std::string prefix = "No user.ini will reach the game: ";
    switch (why) {
        case UserIniObstacle::None:
            return "";
        case UserIniObstacle::FolderNotWritable:
            return prefix + "your account may not change the game folder, so Save cannot write it there.";
        case UserIniObstacle::ReadOnly:
            return prefix + "the user.ini in the game folder is read-only, and Save leaves it as it is.";
        case UserIniObstacle::HeldOpen:
            return prefix + "another program, perhaps the game, has user.ini open, so Save cannot replace it.";
        case UserIniObstacle::ShadowCopy:
            return "The game will not read the user.ini Save writes: Windows keeps a copy of user.ini for the game "
                   "under VirtualStore, and the game reads that copy instead.";
        case UserIniObstacle::Refused:
            return prefix + "Windows refuses to write it in the game folder.";
    }
    return "";
}

}  // namespace pp
