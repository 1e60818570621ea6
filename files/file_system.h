#pragma once

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace pp {

// A file operation that failed, with the system's error number and its description.
class FileError : public std::runtime_error {
  public:
    FileError(int number, const std::string& description) : std::runtime_error(description), number_(number) {}
    int Number() const { return number_; }

  private:
    int number_;
};

// What a look-up for an ordinary file found. `Failed` is a failure of the search itself (an
// unreadable drive, a malformed path), as opposed to a file that is simply not there.
enum class FileLookup { Found, Missing, Failed };

// The file system as the tool sees it. Paths are full paths in UTF-8 with "\" separators.
class FileSystem {
  public:
    virtual ~FileSystem() = default;

    // Found only for an ordinary file: a folder, a hidden file or a system file of that name
    // counts as missing.
    virtual FileLookup LookUpOrdinaryFile(const std::string& path) = 0;

    // Copies `from` to `to`, replacing `to` unless that is read-only. True only when the copy was
    // written completely.
    virtual bool CopyReplacing(const std::string& from, const std::string& to) = 0;

    // Writes what the system still holds of the file in memory through to the disk, so that a power
    // cut after this call leaves it whole. True when that was done.
    virtual bool MakeDurable(const std::string& path) = 0;

    // True when the file is gone afterwards because this call deleted it.
    virtual bool Delete(const std::string& path) = 0;

    // True when anything is at the path (a file of any attributes, a folder), and also when that
    // cannot be told: a name counts as free only when the system says nothing is there.
    virtual bool Exists(const std::string& path) = 0;

    // True for a file or folder marked read-only: the player keeps it from being changed.
    virtual bool IsReadOnly(const std::string& path) = 0;

    // True when another program holds the file open so that it can be neither renamed nor replaced.
    virtual bool IsInUse(const std::string& path) = 0;

    // Gives `from` the name `to` in the same folder, never replacing anything there. True when done.
    virtual bool Rename(const std::string& from, const std::string& to) = 0;

    // Moves `from` to `to`, replacing `to` unless that is read-only or in use, and returns only once
    // the move is on the disk. True when done.
    virtual bool MoveReplacing(const std::string& from, const std::string& to) = 0;

    // The whole file, its bytes read as text of the system's ANSI code page and returned as
    // UTF-8. Throws FileError when the file cannot be opened or read.
    virtual std::string ReadWholeText(const std::string& path) = 0;

    // True when a file of a fresh name could be made in the folder and removed again, as every write
    // of the tool's there needs. A real try, not a reading of the folder's rights: only the system
    // knows every rule that applies (access lists, a read-only drive, a share's own rights).
    virtual bool CanCreateAndDeleteIn(const std::string& folder) = 0;

    // The folder in which the system keeps this user's copies of files that older programs wrote
    // into folders they may not change ("...\AppData\Local\VirtualStore"), without a trailing "\";
    // empty when the system names none.
    virtual std::string VirtualStoreFolder() = 0;
    // The file's bytes as they are, no more than `most` of them: a file larger than that gives
    // its first `most` bytes, so the caller can tell it is too large without reading it whole.
    // Throws FileError when the file cannot be opened or read.
    virtual std::string ReadBytes(const std::string& path, size_t most) = 0;

    // Writes `bytes` unchanged as a new file. Fails, writing nothing, when anything at all is at
    // the path; a file that could not be written whole is removed again. True when written.
    virtual bool WriteNew(const std::string& path, std::string_view bytes) = 0;

    // The names of the files in the folder, folders left out, in no particular order; none when
    // the folder cannot be listed.
    virtual std::vector<std::string> FilesIn(const std::string& folder) = 0;

    // Makes the folder and every folder above it that is missing. True when it is there afterwards.
    virtual bool MakeFolders(const std::string& path) = 0;
};

// Moves the file `path` aside as `copy`, replacing an older copy unless that is read-only. The
// original goes only once its copy is complete and on the disk, so a failed copy or a power cut in
// between never loses it. True when the original was moved.
bool MoveAside(FileSystem& files, const std::string& path, const std::string& copy);

// `base` when nothing is there, else the first free one of "base-2", "base-3", ... A folder so
// crowded that none of the first hundred is free gives none.
std::optional<std::string> FreeName(FileSystem& files, const std::string& base);

// Gives the file `path` the contents `bytes` without ever leaving it half written: they go into a
// new file beside it under a free name ("<path>.new", else "<path>.new-2", ...), which is made
// durable and then moved over it. Nothing else of those names is touched; when a step fails the
// new file goes again and `path` stays as it was. True when `path` holds the bytes.
bool ReplaceWithNewFile(FileSystem& files, const std::string& path, std::string_view bytes);

}  // namespace pp
