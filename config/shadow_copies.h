#pragma once

#include <optional>
#include <string>
#include <vector>

#include "files/file_system.h"

namespace pp {

class Form1;

// Windows lets an older program, such as the game, believe it wrote into a folder it may not
// change: the file goes to the user's VirtualStore instead, under the folder's path without its
// drive, and from then on that program reads the copy there instead of the file in the folder.
// Such shadow copies of user.ini or of the configuration files hide from the game what the tool
// writes or moves aside.

// The folder that holds the shadow copies of `gameRoot`'s files, ending with "\": the game root
// without its drive, below `virtualStore`. Long paths ("\\?\C:\...") count as their drive path.
// Nothing for a root on a network share ("\\server\share\...", "\\?\UNC\...") or a relative one,
// which the system never virtualizes, nor for an empty `virtualStore`.
std::optional<std::string> ShadowFolderOf(const std::string& virtualStore, const std::string& gameRoot);

// The shadow copies of user.ini and the configuration files that are there, as full paths.
std::vector<std::string> FindShadowCopies(FileSystem& files, const std::string& gameRoot);

// Renames each copy beside itself to "bak_<name>" (or a free "-2", "-3" ... of that), never deleting
// one; the paths of those that could not be moved.
std::vector<std::string> MoveShadowCopiesAside(FileSystem& files, const std::vector<std::string>& copies);

// The question that offers to move the copies aside, naming each.
std::string ShadowCopiesQuestion(const std::vector<std::string>& copies);

// Finds the shadow copies the player has not been told of yet this run and offers once to move
// them aside.
void OfferToMoveShadowCopies(Form1& form);

}  // namespace pp
