#pragma once

// An Os for the Wine tests of the match configuration: the real file system, profile writer, shell
// and picture loader of Windows, and simple stand-ins for the services those tests do not
// exercise (the program host, settings, process table, key state and window frame).

#include <map>
#include <string>
#include <vector>

#include "config/picture_loader_win32.h"
#include "config/profile_writer_win32.h"
#include "files/file_system_win32.h"
#include "model/os.h"
#include "shell/shell_opener_win32.h"

namespace pp::test {

// Thrown where the real program would end at once. It is no std::exception, so sequences that
// ignore errors let it through, as they let the end of the program through.
struct ProgramEndedInTest {};

class StandInHost : public ProgramHost {
  public:
    std::string programFolder;
    std::vector<std::string> messages;

    std::string ProgramFolder() override { return programFolder; }
    bool AnotherCopyRunning() override { return false; }
    void ShowStopMessage(const std::string& text, const std::string&) override { messages.push_back(text); }
    [[noreturn]] void EndNow() override { throw ProgramEndedInTest{}; }
};

class StandInSettings : public SettingsStore {
  public:
    std::optional<std::string> Get(const std::string& a, const std::string& s, const std::string& k) override {
        auto it = values_.find(a + "|" + s + "|" + k);
        return it == values_.end() ? std::nullopt : std::optional<std::string>(it->second);
    }
    bool Save(const std::string& a, const std::string& s, const std::string& k, const std::string& v) override {
        values_[a + "|" + s + "|" + k] = v;
        return true;
    }

  private:
    std::map<std::string, std::string> values_;
};

class NoProcesses : public ProcessTable {
  public:
    std::vector<ProcessEntry> Snapshot() override { return {}; }
    bool EndProcess(uint32_t) override { return false; }
};

class NoKeys : public KeyState {
  public:
    uint16_t AsyncKeyState(int) override { return 0; }
};

class NoFrame : public WindowHost {
  public:
    void BeginDrag() override {}
    void Minimise() override {}
    void Close() override {}
};

struct StandInOs {
    win32::WindowsFileSystem files;
    StandInHost host;
    StandInSettings settings;
    win32::WindowsProfileWriter profile;
    win32::WindowsShellOpener shell;
    NoProcesses processes;
    NoKeys keys;
    win32::GdiplusPictureLoader pictures;
    NoFrame window;
    Os os{files, host, settings, profile, shell, processes, keys, pictures, window};
};

}  // namespace pp::test
