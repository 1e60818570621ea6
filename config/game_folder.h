#pragma once

#include <string>

namespace pp {

class Form1;

// What keeps the user.ini of a save from the game.
enum class UserIniObstacle {
    None,
    FolderNotWritable,  // the player may not make files in the game folder
    ReadOnly,           // the user.ini there is read-only, and the tool leaves it so
    HeldOpen,           // another program, perhaps the game, holds it open
    ShadowCopy,         // a game that Windows virtualizes reads its own copy under VirtualStore
    Refused,            // the system refused the write for a reason it did not tell
};

inline constexpr const char* kAllowButton = "Allow my account to change this folder";
inline constexpr const char* kNotNowButton = "Not now";
inline constexpr const char* kFolderNoteText =
    "Your account may not change the game folder: no user.ini, no files moved aside.";

// Asks the file system whether the player may make and remove files in the game root, and keeps
// the answer, with the quiet line of the main window; true when they may. Nothing else is done.
bool ProbeGameFolder(Form1& form);

// Probes again; once the folder is writable, does what the start-up skipped while it was not (the
// configuration files are moved aside). True when writable.
bool RefreshGameFolder(Form1& form);

// The start-up's move: each configuration file in the game root that is an ordinary file is moved
// aside as its bak_ copy; one whose copy cannot be made whole stays.
void MoveConfigurationFilesAside(Form1& form);

// The one message, once the window shows, about a game folder the player may not change: it names
// the folder, says what will not happen and offers what fixes it, "Allow my account to change this
// folder" where an administrator can be asked. Then it offers to move shadow copies aside.
void TellAboutGameFolder(Form1& form);

// That message: with `canAllow`, the offer of the Allow button; without, that the folder's
// permissions must change.
std::string NotWritableNotice(const std::string& gameRoot, bool canAllow);

// Why the save could not write user.ini; probes the folder again, since that may have changed.
UserIniObstacle WhyUserIniWasNotWritten(Form1& form);

// Tells the player that user.ini was not written and why, once a run for each reason.
void TellUserIniNotWritten(Form1& form, UserIniObstacle why);

// Why the user.ini the next save writes would not reach the game, as far as can be seen without
// writing anything (the folder's last probe, the file's state, a shadow copy).
UserIniObstacle WhyUserIniWouldNotReachTheGame(const Form1& form);

// For the companion window, in place of a user.ini the game would not get.
std::string UserIniWillNotReachTheGame(UserIniObstacle why);

}  // namespace pp
