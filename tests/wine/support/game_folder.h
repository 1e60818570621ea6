#pragma once

#include <map>
#include <string>

#include "tests/wine/support/temp_folder.h"

namespace pp::test {

// A game folder made for one test, without the game: the five files the tool requires, the four
// configuration files (each with contents of its own), the team and stadium list files, and the
// tool itself copied into KWTR\PP09. It lies in a temporary folder whose path holds a blank and a
// letter outside the system code page, and goes with everything in it at the end of the scope.
class GameFolder {
  public:
    static constexpr const char* kConfigurationFiles[] = {"common.ini", "locale.ini", "sku.ini", "situation.ini"};

    // `teams` and `stadiums` are the bytes of the list files, in the system's ANSI code page.
    GameFolder(const std::string& teams, const std::string& stadiums);

    // The game root, with its trailing "\".
    std::string Root() const { return folder_.Path() + "\\"; }
    // The game root followed by a relative path.
    std::string operator/(const std::string& relative) const { return folder_ / relative; }
    // <root>\KWTR\PP09\PitchPilot.exe; empty when the tool could not be copied there.
    const std::string& Tool() const { return tool_; }

    void Write(const std::string& relative, const std::string& bytes) const;
    bool Remove(const std::string& relative) const;
    bool Exists(const std::string& relative) const;
    // The file's bytes; "<missing>" when there is none.
    std::string Read(const std::string& relative) const;
    // Every file below the root, by relative path, with its bytes: what a run may not change.
    std::map<std::string, std::string> Files() const;
    // The contents a configuration file is made with.
    static std::string ConfigurationContents(const std::string& name);

  private:
    TempFolder folder_{"pp game"};
    std::string tool_;
};

// The tool's saved state in the registry of the test's Wine prefix, gone at the start and at the
// end of the scope, so every run of the tool in a test starts as a new user's first.
class FreshToolSettings {
  public:
    FreshToolSettings() { Clear(); }
    ~FreshToolSettings() { Clear(); }
    FreshToolSettings(const FreshToolSettings&) = delete;
    FreshToolSettings& operator=(const FreshToolSettings&) = delete;

  private:
    static void Clear();
};

}  // namespace pp::test
