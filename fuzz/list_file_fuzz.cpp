// The list-file loader, the record split and the search, on any bytes as a list file.
// Checks what must hold for every input: adding the lines in bulk or one by one gives the same
// sorted list, no loaded item is empty or holds a CR LF, a name found by the search with its
// comma is the name of the record found, and a search never returns an index outside the list.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "files/mstring.h"
#include "files/text_compare.h"

namespace {

class OneFile : public pp::FileSystem {
  public:
    explicit OneFile(std::string contents) : contents_(std::move(contents)) {}
    pp::FileLookup LookUpOrdinaryFile(const std::string&) override { return pp::FileLookup::Found; }
    bool CopyReplacing(const std::string&, const std::string&) override { return false; }
    bool MakeDurable(const std::string&) override { return false; }
    bool Delete(const std::string&) override { return false; }
    bool Exists(const std::string&) override { return true; }
    bool IsReadOnly(const std::string&) override { return false; }
    bool IsInUse(const std::string&) override { return false; }
    bool Rename(const std::string&, const std::string&) override { return false; }
    bool MoveReplacing(const std::string&, const std::string&) override { return false; }
    std::string ReadWholeText(const std::string&) override { return contents_; }
    std::string ReadBytes(const std::string&, size_t most) override { return contents_.substr(0, most); }
    bool WriteNew(const std::string&, std::string_view) override { return false; }
    std::vector<std::string> FilesIn(const std::string&) override { return {}; }
    bool MakeFolders(const std::string&) override { return false; }
    bool CanCreateAndDeleteIn(const std::string&) override { return false; }
    std::string VirtualStoreFolder() override { return {}; }

  private:
    std::string contents_;
};

void Check(bool condition) {
    if (!condition)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    OneFile file(std::string(reinterpret_cast<const char*>(data), size));
    pp::LineList records;
    pp::LoadLinesIntoList(records, file, "teams.ini");

    pp::LineList bulk(true), oneByOne(true);
    std::vector<std::string> names;
    for (const std::string& line : records.Items()) {
        Check(!line.empty());
        Check(line.find("\r\n") == std::string::npos);
        names.push_back(pp::SplitRecord(line).name);
        oneByOne.Add(names.back());
    }
    bulk.AddMany(names);
    Check(bulk.Items() == oneByOne.Items());

    for (const std::string& name : names) {
        int found = pp::FindInList(records, name + ",", false, -1);
        Check(found >= -1 && found < records.Count());
        if (found >= 0) {
            const pp::ListRecord record = pp::SplitRecord(records.Item(found));
            Check(record.hasId);
            Check(pp::EqualsIgnoringCase(record.name, name));
        }
        int start = static_cast<int>(name.size()) % (records.Count() + 2) - 1;
        int exact = pp::FindInList(records, name, true, start);
        Check(exact >= -1 && exact < records.Count());
    }
    return 0;
}
