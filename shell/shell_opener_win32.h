#pragma once

#include <windows.h>

#include "model/shell_opener.h"

namespace pp::win32 {

// ShellExecuteW with a null verb and SW_SHOWNORMAL, owned by the main window once it exists.
class WindowsShellOpener : public ShellOpener {
  public:
    void SetOwner(HWND owner) { owner_ = owner; }
    bool Open(const std::string& file, const std::string& parameters, const std::string& workingFolder) override;

  private:
    HWND owner_ = nullptr;
};

}  // namespace pp::win32
