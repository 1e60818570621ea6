#pragma once

// Stand-ins for the operating system, for the native tests of the core. They behave like the
// system where the core relies on it (absent settings give nothing, a copy replaces, a lookup
// tells a folder from a file) and record what the core asked of them. What they cannot prove
// about Windows is proved by the Wine tests against the real system.

#include <algorithm>
#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "files/text_compare.h"
#include "model/os.h"

namespace pp {

// Thrown where the real program would end at once; it is no std::exception, so the sequences
// that ignore errors let it through, as they let the end of the program through.
struct ProgramEnded {};

// File names compare without regard to case, as on Windows.
struct PathLess {
    bool operator()(const std::string& a, const std::string& b) const {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
            return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
        });
    }
};

class MemoryFileSystem : public FileSystem {
  public:
    static constexpr int kFileNotFound = 2;

    void Put(const std::string& path, std::string contents) { files_[path] = std::move(contents); }
    void PutFolder(const std::string& path) { folders_.insert(path); }
    void PutHidden(const std::string& path, std::string contents) {
        Put(path, std::move(contents));
        hidden_.insert(path);
    }
    bool Has(const std::string& path) const { return files_.count(path) != 0; }
    const std::string& Contents(const std::string& path) const { return files_.at(path); }
    std::set<std::string, PathLess> failingCopies;   // copies to these targets fail
    std::set<std::string, PathLess> failingLookups;  // the search itself fails for these
    std::set<std::string, PathLess> failingReads;    // found, but cannot be read
    std::set<std::string, PathLess> failingDeletes;  // found, but cannot be deleted (read-only, held open)
    std::vector<std::string> lookups;                // every path looked up, in order
    std::vector<std::string> deletions;              // every path deleted, in order

    FileLookup LookUpOrdinaryFile(const std::string& path) override {
        lookups.push_back(path);
        if (failingLookups.count(path))
            return FileLookup::Failed;
        if (folders_.count(path) || hidden_.count(path))
            return FileLookup::Missing;
        return files_.count(path) ? FileLookup::Found : FileLookup::Missing;
    }
    bool CopyReplacing(const std::string& from, const std::string& to) override {
        auto it = files_.find(from);
        if (it == files_.end() || failingCopies.count(to))
            return false;
        files_[to] = it->second;
        return true;
    }
    bool Delete(const std::string& path) override {
        deletions.push_back(path);
        if (failingDeletes.count(path))
            return false;
        return files_.erase(path) != 0;
    }
    std::string ReadWholeText(const std::string& path) override {
        if (failingReads.count(path))
            throw FileError(5, "Access is denied.");
        auto it = files_.find(path);
        if (it == files_.end())
            throw FileError(kFileNotFound, "File not found");
        return it->second;
    }
    std::vector<std::string> Paths() const {
        std::vector<std::string> out;
        for (const auto& [path, _] : files_)
            out.push_back(path);
        return out;
    }

  private:
    std::map<std::string, std::string, PathLess> files_;
    std::set<std::string, PathLess> folders_;
    std::set<std::string, PathLess> hidden_;
};

class FakeHost : public ProgramHost {
  public:
    std::string programFolder = "C:\\Games\\FIFA 09 Demo\\KWTR\\PP09";
    bool anotherCopy = false;
    std::vector<std::string> messages;
    std::vector<std::string> titles;
    int ends = 0;

    std::string ProgramFolder() override { return programFolder; }
    bool AnotherCopyRunning() override { return anotherCopy; }
    void ShowStopMessage(const std::string& text, const std::string& title) override {
        messages.push_back(text);
        titles.push_back(title);
    }
    [[noreturn]] void EndNow() override {
        ++ends;
        throw ProgramEnded{};
    }
};

// Keys are kept as given; absent keys give nothing.
class MemorySettingsStore : public SettingsStore {
  public:
    std::map<std::string, std::string> values;  // "application|section|key" -> text
    std::vector<std::string> savedKeys;         // keys in the order they were saved
    bool failing = false;

    static std::string Address(const std::string& a, const std::string& s, const std::string& k) {
        return a + "|" + s + "|" + k;
    }
    std::optional<std::string> Get(const std::string& a, const std::string& s, const std::string& k) override {
        if (failing)
            return std::nullopt;
        auto it = values.find(Address(a, s, k));
        if (it == values.end())
            return std::nullopt;
        return it->second;
    }
    bool Save(const std::string& a, const std::string& s, const std::string& k, const std::string& v) override {
        if (failing)
            return false;
        values[Address(a, s, k)] = v;
        savedKeys.push_back(k);
        return true;
    }
};

// Keeps user.ini documents in memory with the rules of the system's profile writer: sections in
// the order they were first written, keys in their section in the order first written, a repeated
// key replaced in place, names matched without regard to case.
class MemoryProfileWriter : public ProfileWriter {
  public:
    struct Section {
        std::string name;
        std::vector<std::pair<std::string, std::string>> entries;
    };
    std::map<std::string, std::vector<Section>, PathLess> files;
    std::vector<std::string> writes;         // "section|key|value", in order
    MemoryFileSystem* fileSystem = nullptr;  // when set, the document is also mirrored as text there

    bool WriteEntry(const std::string& section,
                    const std::string& key,
                    const std::string& value,
                    const std::string& path) override {
        writes.push_back(section + "|" + key + "|" + value);
        if (fileSystem && !fileSystem->Has(path))
            files.erase(path);
        auto& sections = files[path];
        auto s = std::find_if(sections.begin(), sections.end(),
                              [&](const Section& x) { return EqualsIgnoringCase(x.name, section); });
        if (s == sections.end()) {
            sections.push_back({section, {}});
            s = sections.end() - 1;
        }
        auto e = std::find_if(s->entries.begin(), s->entries.end(),
                              [&](const auto& x) { return EqualsIgnoringCase(x.first, key); });
        if (e == s->entries.end())
            s->entries.emplace_back(key, value);
        else
            e->second = value;
        if (fileSystem)
            fileSystem->Put(path, Render(sections));
        return true;
    }
    bool WriteSection(const std::string& section,
                      const std::vector<std::pair<std::string, std::string>>& entries,
                      const std::string& path) override {
        ++sectionWrites;
        for (const auto& [key, value] : entries)
            WriteEntry(section, key, value, path);
        return true;
    }
    int sectionWrites = 0;
    static std::string Render(const std::vector<Section>& sections) {
        std::string text;
        for (const auto& s : sections) {
            text += "[" + s.name + "]\r\n";
            for (const auto& [k, v] : s.entries)
                text += k + "=" + v + "\r\n";
        }
        return text;
    }
};

class RecordingShell : public ShellOpener {
  public:
    struct Call {
        std::string file, parameters, folder;
    };
    std::vector<Call> calls;
    bool Open(const std::string& file, const std::string& parameters, const std::string& folder) override {
        calls.push_back({file, parameters, folder});
        return true;
    }
};

class FakeProcessTable : public ProcessTable {
  public:
    std::vector<ProcessEntry> running;
    std::vector<uint32_t> ended;
    int snapshots = 0;
    std::vector<ProcessEntry> Snapshot() override {
        ++snapshots;
        return running;
    }
    bool EndProcess(uint32_t id) override {
        auto it = std::find_if(running.begin(), running.end(), [&](const ProcessEntry& e) { return e.id == id; });
        if (it == running.end())
            return false;
        running.erase(it);
        ended.push_back(id);
        return true;
    }
};

class ScriptedKeys : public KeyState {
  public:
    std::deque<uint16_t> answers;  // one per query; 0 when the script has run out
    int queries = 0;
    uint16_t AsyncKeyState(int) override {
        ++queries;
        if (answers.empty())
            return 0;
        uint16_t a = answers.front();
        answers.pop_front();
        return a;
    }
};

class MemoryPictures : public PictureLoader {
  public:
    std::map<std::string, PictureRef, PathLess> pictures;
    std::vector<std::string> loads;
    PictureRef Load(const std::string& path) override {
        loads.push_back(path);
        auto it = pictures.find(path);
        return it == pictures.end() ? nullptr : it->second;
    }
};

class RecordingWindow : public WindowHost {
  public:
    int drags = 0, minimises = 0, closes = 0;
    void BeginDrag() override { ++drags; }
    void Minimise() override { ++minimises; }
    void Close() override { ++closes; }
};

// Every fake at once, wired into one Os.
struct FakeOs {
    MemoryFileSystem files;
    FakeHost host;
    MemorySettingsStore settings;
    MemoryProfileWriter profile;
    RecordingShell shell;
    FakeProcessTable processes;
    ScriptedKeys keys;
    MemoryPictures pictures;
    RecordingWindow window;
    Os os{files, host, settings, profile, shell, processes, keys, pictures, window};
};

}  // namespace pp
