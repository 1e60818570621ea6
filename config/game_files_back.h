#pragma once

#include <string>
#include <vector>

#include "files/file_system.h"

namespace pp {

// The bak_ copies in the game root (which ends with "\") that can be put back, by name, in this
// order: bak_common.ini, bak_locale.ini, bak_sku.ini, bak_situation.ini, bak_user.ini; only those
// that are there. None for a root without its "\", which is no folder the start-up found.
std::vector<std::string> CopiesToPutBack(FileSystem& files, const std::string& gameRoot);

// The one question asked before anything is done, for at least one copy: it names the copies and
// says when the tool moves the files aside again (the next start; user.ini at a close with the keep
// box clear), so putting them back is for players who stop using the tool or want the game as it was.
std::string PutBackQuestion(const std::vector<std::string>& copies);

enum class PutBackOutcome {
    Restored,
    AlreadyThere,  // the file in place holds the copy's contents already; nothing was written
    KeptBefore,    // restored; the differing file that was in the way is kept under `keptAs`
    ReadOnly,      // a read-only file in the way stays as it is
    InUse,         // another program holds the file in the way open; it stays as it is
    Failed,        // the copy could not be made whole, or the file in the way could not be moved
};

struct PutBack {
    std::string name;  // "common.ini"
    PutBackOutcome outcome;
    // Where the file that was in the way is now: "common.ini.before-restore", or "-2" and on when that
    // name was taken. Set for KeptBefore, and for a failure after which that file could not be moved back.
    std::string keptAs;
};

// Puts each copy of CopiesToPutBack back under its own name. Nothing of the player's is lost on
// the way: the copy is made under a free temporary name ("<name>.restoring") and flushed before a
// differing file in the way is renamed to a free "<name>.before-restore" name and the copy takes its
// place; a file in the way that is read-only or held open stays as it is; the bak_ copies always stay.
std::vector<PutBack> PutGameFilesBack(FileSystem& files, const std::string& gameRoot);

// One message for the player: a line per file saying what became of it, and that the copies stay.
// For no results at all, that there was nothing to put back.
std::string DescribePutBack(const std::vector<PutBack>& results);

}  // namespace pp
