#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "files/file_system.h"

namespace pp {

// The ordered list of texts inside every list box and combo box. A sorted list keeps its items in
// alphabetical order, ignoring case (an added text goes after the texts equal to it); an unsorted
// one appends.
class LineList {
  public:
    explicit LineList(bool sorted = false) : sorted_(sorted) {}

    bool Sorted() const { return sorted_; }
    int Count() const { return static_cast<int>(items_.size()); }
    const std::vector<std::string>& Items() const { return items_; }

    // The text of item i; the empty text for an index outside 0 to Count-1.
    const std::string& Item(int i) const;

    void Add(std::string text);
    // Adds many texts at once: the same result as adding them one by one, in n log n for a
    // sorted list instead of one insertion each.
    void AddMany(std::vector<std::string> texts);
    // Adds the items of another list, as AddMany would; when both lists sort and this one is
    // empty, the other's order is already this one's and is taken as it is.
    void CopyItemsOf(const LineList& other);
    void Clear();

    // -1 when no item is selected.
    int SelectedIndex() const { return selected_; }
    // Takes -1 to Count-1; any other index leaves the selection as it is and returns false.
    bool SetSelectedIndex(int index);
    const std::string& SelectedText() const { return Item(selected_); }

    // Grows with every change of the items, so that a view can tell when to fill itself again.
    uint64_t Revision() const { return revision_; }

  private:
    bool sorted_;
    uint64_t revision_ = 0;
    std::vector<std::string> items_;
    int selected_ = -1;
};

// Reads a text file whole. Throws FileError (file not found for a missing file).
std::string ReadWholeFile(FileSystem& fs, const std::string& path);

// Cuts text at every occurrence of a non-empty separator and keeps every piece, the empty ones
// too: n separators give n + 1 pieces.
std::vector<std::string> SplitAt(std::string_view text, std::string_view separator);

// Cuts text at every CR LF pair; a lone CR or LF stays inside its piece.
inline std::vector<std::string> SplitAtCrLf(std::string_view text) {
    return SplitAt(text, "\r\n");
}

// Appends the file's non-empty lines (CR LF separated) to the list. Throws the error of
// ReadWholeFile and then leaves the list unchanged.
void LoadLinesIntoList(LineList& list, FileSystem& fs, const std::string& path);

// Index of the first item, in search order, that equals `text` (exact) or begins with it (not
// exact), ignoring case; -1 when none does. With start -1 the search runs from item 0; with
// start k it runs from k+1 to the end and wraps round to 0..k, so item k is examined last. A start
// below -1 or beyond the list searches from item 0.
int FindInList(const LineList& list, std::string_view text, bool exact, int start);

// One record of a list file: field 1 up to the first ",", field 2 up to the second "," or the end.
struct ListRecord {
    std::string name;
    bool hasId = false;  // false when the line holds no ","
    std::string id;
};
ListRecord SplitRecord(std::string_view line);
// Field 1 of a record alone: what SplitRecord gives as the name, without making the rest.
std::string_view RecordName(std::string_view line);

}  // namespace pp
