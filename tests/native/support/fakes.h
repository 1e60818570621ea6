#pragma once

// Stand-ins for the operating system: they record what the core asked and fail on request.

#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "config/game_files.h"
#include "files/mstring.h"
#include "model/os.h"

namespace pp {
using Items = std::vector<std::string>;  // lines, names, calls, messages

inline const std::string kGameRoot = "C:\\Games\\FIFA 09 Demo\\";

// Thrown where the real program would end at once; no std::exception, so error-ignoring code lets it through.
struct ProgramEnded {};

struct MemoryFileSystem : FileSystem {
    std::map<std::string, std::string> stored;
    void Put(const std::string& path, std::string contents) { stored[path] = std::move(contents); }
    bool Has(const std::string& path) const { return stored.count(path) != 0; }
    const std::string& Contents(const std::string& path) const { return stored.at(path); }
    std::set<std::string> failingCopies, failingLookups, failingReads, failingDeletes, failingFlushes, hidden;
    std::set<std::string> readOnly, inUse, failingMovesFrom;  // held open by another program: not even readable
    std::set<std::string> unwritableFolders;  // "C:\\x\\": nothing in them can be made, replaced or removed
    std::string virtualStore = "C:\\Users\\Player\\AppData\\Local\\VirtualStore";
    std::vector<std::string> lookups, deletions;
    FileLookup LookUpOrdinaryFile(const std::string& path) override {
        lookups.push_back(path);
        if (failingLookups.count(path))
            return FileLookup::Failed;
        return stored.count(path) && !hidden.count(path) ? FileLookup::Found : FileLookup::Missing;
    }
    bool CopyReplacing(const std::string& from, const std::string& to) override {
        auto it = stored.find(from);
        if (it == stored.end() || failingCopies.count(to) || Fixed(to) || inUse.count(from))
            return false;
        stored[to] = it->second;
        return true;
    }
    bool MakeDurable(const std::string& path) override { return stored.count(path) && !failingFlushes.count(path); }
    bool Delete(const std::string& path) override {
        deletions.push_back(path);
        return !failingDeletes.count(path) && !Fixed(path) && stored.erase(path) != 0;
    }
    bool InUnwritableFolder(const std::string& path) const {
        return unwritableFolders.count(path.substr(0, path.find_last_of('\\') + 1)) != 0;
    }
    bool Fixed(const std::string& path) const {
        return readOnly.count(path) || inUse.count(path) || InUnwritableFolder(path);
    }
    bool Exists(const std::string& path) override { return stored.count(path) != 0; }
    bool IsReadOnly(const std::string& path) override { return readOnly.count(path) != 0; }
    bool IsInUse(const std::string& path) override { return inUse.count(path) != 0; }
    bool Rename(const std::string& from, const std::string& to) override { return !Has(to) && MoveReplacing(from, to); }
    bool MoveReplacing(const std::string& from, const std::string& to) override {
        if (!stored.count(from) || inUse.count(from) || InUnwritableFolder(from) || Fixed(to) ||
            failingMovesFrom.count(from))
            return false;
        stored[to] = std::move(stored.extract(from).mapped());  // extracted first, so a move onto itself keeps it
        return true;
    }
    std::string ReadWholeText(const std::string& path) override {
        if (failingReads.count(path) || inUse.count(path))
            throw FileError(5, "Access is denied.");
        if (!stored.count(path))
            throw FileError(2, "File not found");
        return stored.at(path);
    }
    bool CanCreateAndDeleteIn(const std::string& folder) override { return !unwritableFolders.count(folder); }
    std::string VirtualStoreFolder() override { return virtualStore; }
    std::string ReadBytes(const std::string& path, size_t most) override { return ReadWholeText(path).substr(0, most); }
    bool WriteNew(const std::string& path, std::string_view bytes) override {
        if (Exists(path))
            return false;
        stored[path] = bytes;
        return true;
    }
    std::vector<std::string> FilesIn(const std::string& folder) override {
        std::vector<std::string> names;
        for (const auto& [path, contents] : stored)
            if (path.starts_with(folder + "\\") && path.find('\\', folder.size() + 1) == std::string::npos)
                names.push_back(path.substr(folder.size() + 1));
        return names;
    }
    bool MakeFolders(const std::string&) override { return true; }
    // "name=contents" of each file right in the folder (ending in a separator), in name order.
    std::string Listing(const std::string& folder) const {
        std::string listing;
        for (const auto& [path, contents] : stored)
            if (path.starts_with(folder) && path.find('\\', folder.size()) == std::string::npos)
                listing += (listing.empty() ? "" : " ") + path.substr(folder.size()) + "=" + contents;
        return listing;
    }
};

struct FakeHost : ProgramHost {
    std::string programFolder = kGameRoot + "KWTR\\PP09";
    bool anotherCopy = false;
    std::vector<std::string> messages;  // "title: text" of a stop message, "tell: text", "ask: text"
    std::vector<bool> answers;          // to the questions, in turn; no when they run out
    std::string account = "S-1-5-21-1-2-3-1001";
    bool canRunElevated = true;
    ElevatedRun elevatedRun{ElevatedRun::Start::Ran, 0};
    std::function<void()> whileElevated;  // what the elevated copy does
    std::vector<std::vector<std::string>> elevatedRuns;
    std::string ProgramFolder() override { return programFolder; }
    bool AnotherCopyRunning() override { return anotherCopy; }
    void ShowStopMessage(const std::string& text, const std::string& title) override {
        messages.push_back(title + ": " + text);
    }
    [[noreturn]] void EndNow() override { throw ProgramEnded{}; }
    void Tell(const std::string& text) override { messages.push_back("tell: " + text); }
    bool Ask(const std::string& text, const std::string& yes, const std::string& no) override {
        messages.push_back("ask: " + text + " [" + yes + "|" + no + "]");
        const bool answer = !answers.empty() && answers.front();
        if (!answers.empty())
            answers.erase(answers.begin());
        return answer;
    }
    std::string AccountId() override { return account; }
    bool CanRunElevated() override { return canRunElevated; }
    ElevatedRun RunElevated(const std::vector<std::string>& arguments) override {
        elevatedRuns.push_back(arguments);
        if (whileElevated)
            whileElevated();
        return elevatedRun;
    }
};

struct MemorySettingsStore : SettingsStore {
    std::map<std::string, std::string> values;  // "application|section|key" -> text
    std::vector<std::string> savedKeys;
    bool failing = false;
    std::set<std::string> throwingKeys;
    static std::string Address(const std::string& a, const std::string& s, const std::string& k) {
        return a + "|" + s + "|" + k;
    }
    std::optional<std::string> Get(const std::string& a, const std::string& s, const std::string& k) override {
        if (failing || throwingKeys.count(k))
            throw SettingsError("Access is denied.");
        auto it = values.find(Address(a, s, k));
        return it == values.end() ? std::nullopt : std::optional(it->second);
    }
    bool Save(const std::string& a, const std::string& s, const std::string& k, const std::string& v) override {
        if (failing || throwingKeys.count(k))
            throw SettingsError("Access is denied.");
        values[Address(a, s, k)] = v;
        savedKeys.push_back(k);
        return true;
    }
};

// Code page 1252 for UTF-8: Latin-1 and the euro stay, best-fit look-alikes, else "?" per UTF-16 unit.
inline std::string StoredInWesternCodePage(std::string_view utf8) {
    std::string stored;
    for (size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        size_t length = lead < 0x80 ? 1 : lead >= 0xC2 && lead < 0xF5 ? 2 + (lead >= 0xE0) + (lead >= 0xF0) : 0;
        uint32_t code = length == 1 ? lead : lead & (0x7F >> length);
        bool whole = length != 0 && i + length <= utf8.size();
        for (size_t k = 1; whole && k < length; ++k) {
            whole = (utf8[i + k] & 0xC0) == 0x80;
            code = code << 6 | (utf8[i + k] & 0x3F);
        }
        if (!whole)
            length = 1, code = 0xFFFD;
        i += length;
        if (code >= 0xFF01 && code <= 0xFF5E)
            stored += static_cast<char>(code - 0xFF01 + '!');
        else if (code == 0x3000)
            stored += ' ';
        else if (code == 0x0100 || code == 0x0101)
            stored += code == 0x0100 ? 'A' : 'a';
        else if (code < 0x80 || (code >= 0xA0 && code <= 0xFF) || code == 0x20AC)
            stored += utf8.substr(i - length, length);  // as it was
        else
            stored += code > 0xFFFF ? "??" : "?";  // one for each half of its UTF-16 pair
    }
    return stored;
}

struct MemoryProfileWriter : ProfileWriter {
    explicit MemoryProfileWriter(MemoryFileSystem& f) : files(f) {}
    MemoryFileSystem& files;
    int writes = 0;
    bool throwing = false;
    std::string AsStored(std::string_view text) const override { return StoredInWesternCodePage(text); }
    bool WriteNewFile(const std::string& path, const std::string& text) override {
        if (throwing)
            throw FileError(5, "Access is denied.");
        if (files.Has(path) || files.Fixed(path))
            return false;
        ++writes;
        files.Put(path, AsStored(text));
        return true;
    }
};

struct RecordingShell : ShellOpener {
    std::vector<std::string> calls;  // "file|parameters|folder"
    bool refusing = false;
    bool Open(const std::string& file, const std::string& parameters, const std::string& folder) override {
        calls.push_back(file + "|" + parameters + "|" + folder);
        return !refusing;
    }
};

struct FakeProcessTable : ProcessTable {
    std::vector<ProcessEntry> running;
    std::vector<uint32_t> ended;
    int snapshots = 0;
    bool failingSnapshot = false, refusingEnd = false;
    std::vector<ProcessEntry> Snapshot() override {
        ++snapshots;
        if (failingSnapshot)
            throw std::runtime_error("no snapshot");
        return running;
    }
    bool EndProcess(uint32_t id) override {
        auto it = std::find_if(running.begin(), running.end(), [&](const ProcessEntry& e) { return e.id == id; });
        if (refusingEnd || it == running.end())
            return false;
        running.erase(it);
        ended.push_back(id);
        return true;
    }
};

struct FakeKeyState : KeyState {
    uint16_t answer = 0;  // to every query
    uint16_t AsyncKeyState(int) override { return answer; }
};

struct MemoryPictures : PictureLoader {
    std::map<std::string, PictureRef> pictures;
    std::vector<std::string> loads;
    PictureRef Load(const std::string& path) override {
        loads.push_back(path);
        return pictures.count(path) ? pictures.at(path) : nullptr;
    }
};

struct RecordingWindow : WindowHost {
    int drags = 0, minimises = 0, closes = 0;
    void BeginDrag() override { ++drags; }
    void Minimise() override { ++minimises; }
    void Close() override { ++closes; }
};

struct FakeOs {
    MemoryFileSystem files;
    FakeHost host;
    MemorySettingsStore settings;
    MemoryProfileWriter profile{files};
    RecordingShell shell;
    FakeProcessTable processes;
    FakeKeyState keys;
    MemoryPictures pictures;
    RecordingWindow window;
    Os os{files, host, settings, profile, shell, processes, keys, pictures, window};

    void InstallGame() {
        for (const char* file : kRequiredFiles)
            files.Put(kGameRoot + file, "");
        files.Put(kGameRoot + "KWTR\\teams.ini", "Zeta,1\r\nalpha,2\r\nBeta,3\r\n");
        files.Put(kGameRoot + "KWTR\\stads.ini", "North Bank,10\r\nAcre Park\r\n");
    }
};
}  // namespace pp
