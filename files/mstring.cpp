#include "files/mstring.h"

#include <algorithm>

#include "files/text_compare.h"

namespace pp {

const std::string& LineList::Item(int i) const {
    static const std::string kEmpty;
    if (i < 0 || i >= Count())
        return kEmpty;
    return items_[static_cast<size_t>(i)];
}

void LineList::Add(std::string text) {
    ++revision_;
    if (!sorted_) {
        items_.push_back(std::move(text));
        return;
    }
    auto at = std::upper_bound(items_.begin(), items_.end(), text,
                               [](const std::string& a, const std::string& b) { return CollatesBefore(a, b); });
    auto index = at - items_.begin();
    items_.insert(at, std::move(text));
    // The selection follows its item, as a list control's does.
    if (selected_ >= index)
        ++selected_;
}

void LineList::AddMany(std::vector<std::string> texts) {
    if (!sorted_ || selected_ >= 0) {
        // With a selection the item must be tracked; one by one keeps that simple and rare.
        items_.reserve(items_.size() + texts.size());
        for (auto& t : texts)
            Add(std::move(t));
        return;
    }
    ++revision_;
    // Each text's sort key is made once, so the n log n comparisons are mostly byte compares.
    struct Keyed {
        std::string key;
        std::string text;
    };
    auto less = [](const Keyed& a, const Keyed& b) {
        if (int primary = a.key.compare(b.key))
            return primary < 0;
        return CollatesBefore(a.text, b.text);
    };
    std::vector<Keyed> all;
    all.reserve(items_.size() + texts.size());
    for (auto& t : items_)
        all.push_back({PrimarySortKey(t), std::move(t)});
    const auto middle = static_cast<std::ptrdiff_t>(all.size());
    for (auto& t : texts)
        all.push_back({PrimarySortKey(t), std::move(t)});
    if (!std::is_sorted(all.begin() + middle, all.end(), less))
        std::stable_sort(all.begin() + middle, all.end(), less);
    // Stable merge keeps the texts already there ahead of equal new ones, as Add does.
    std::inplace_merge(all.begin(), all.begin() + middle, all.end(), less);
    items_.clear();
    items_.reserve(all.size());
    for (auto& k : all)
        items_.push_back(std::move(k.text));
}

void LineList::CopyItemsOf(const LineList& other) {
    if (sorted_ && !(other.sorted_ && items_.empty())) {
        AddMany(other.items_);
        return;
    }
    ++revision_;
    items_.insert(items_.end(), other.items_.begin(), other.items_.end());
}

void LineList::Clear() {
    ++revision_;
    items_.clear();
    selected_ = -1;
}

bool LineList::SetSelectedIndex(int index) {
    if (index < -1 || index >= Count())
        return false;
    selected_ = index;
    return true;
}

std::string ReadWholeFile(FileSystem& fs, const std::string& path) {
    return fs.ReadWholeText(path);
}

std::vector<std::string> SplitAt(std::string_view text, std::string_view separator) {
    std::vector<std::string> pieces;
    size_t from = 0;
    for (;;) {
        size_t at = text.find(separator, from);
        if (at == std::string_view::npos) {
            pieces.emplace_back(text.substr(from));
            return pieces;
        }
        pieces.emplace_back(text.substr(from, at - from));
        from = at + separator.size();
    }
}

void LoadLinesIntoList(LineList& list, FileSystem& fs, const std::string& path) {
    std::vector<std::string> lines = SplitAtCrLf(ReadWholeFile(fs, path));
    std::erase_if(lines, [](const std::string& line) { return line.empty(); });
    list.AddMany(std::move(lines));
}

int FindInList(const LineList& list, std::string_view text, bool exact, int start) {
    const int count = list.Count();
    if (start < -1 || start >= count)
        start = -1;
    for (int step = 1; step <= count; ++step) {
        int i = (start + step) % count;
        const std::string& item = list.Item(i);
        if (exact ? EqualsIgnoringCase(item, text) : StartsWithIgnoringCase(item, text))
            return i;
    }
    return -1;
}

std::string_view RecordName(std::string_view line) {
    return line.substr(0, line.find(','));
}

ListRecord SplitRecord(std::string_view line) {
    ListRecord record;
    size_t comma = line.find(',');
    record.name = std::string(RecordName(line));
    if (comma == std::string_view::npos)
        return record;
    record.hasId = true;
    std::string_view rest = line.substr(comma + 1);
    record.id = std::string(rest.substr(0, rest.find(',')));
    return record;
}

}  // namespace pp
