#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace pp {
class Form1;
}

namespace pp::win32 {

// The player's match setups: named ones, one file each in the player's own application data
// folder, and setup files anywhere, through the system's file dialogs. Every command tells the
// player in one message what went wrong, naming the file.
class SetupCommands {
  public:
    SetupCommands(Form1& form, HINSTANCE instance) : form_(form), instance_(instance) {}
    void SetOwner(HWND main) { main_ = main; }

    // The saved setups' names, sorted as their files are.
    std::vector<std::wstring> Names() const;
    void SaveAs();
    void Delete();
    // Each applies a setup to the window's controls as far as it can.
    void Apply(size_t index);
    // The saved setup of that name (in any case); false, having told the player which setups there
    // are, when there is none of that name or its file was refused.
    bool ApplyNamed(const std::string& name);
    void OpenFile();
    void SaveToFile();

  private:
    // False when the file was refused whole.
    bool Load(const std::wstring& path);
    void Write(const std::wstring& path, const std::string& text);

    Form1& form_;
    HINSTANCE instance_;
    HWND main_ = nullptr;
};

// The folder of the named setups, made when missing; empty when the system has none.
std::wstring SetupsFolder();

}  // namespace pp::win32
