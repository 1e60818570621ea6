#pragma once

#include <windows.h>

#include <optional>

namespace pp::test {

// The display resolution that programs started from now on find, for one scope: the user's
// HKCU\Control Panel\Desktop\LogPixels, which Wine reads when a program starts. What was there
// before goes back at the end. 96 is 100 %, 192 is 200 %.
class DisplayScale {
  public:
    explicit DisplayScale(DWORD dpi);
    ~DisplayScale();
    DisplayScale(const DisplayScale&) = delete;
    DisplayScale& operator=(const DisplayScale&) = delete;

  private:
    std::optional<DWORD> before_;
};

}  // namespace pp::test
