#pragma once

#include "model/controls.h"

namespace pp {

// The hidden terminator window: it carries the target name, the two lists of the last process
// snapshot and the timer whose tick runs one termination pass. It is never shown; the main window
// loads it on first use and every pass unloads it again, so each fresh load starts from the
// design-time target name "drc.exe".
class Fshut {
  public:
    static constexpr const char* kDesignTimeTarget = "drc.exe";

    std::string caption = "Shut EXE";
    Timer TS{"TS", 1, false};
    Timer TKEY{"TKEY", 100, true};  // has no tick handler
    ListBox LS1{"LS1"};             // executable names, in walk order
    ListBox LS2{"LS2"};             // process ids as decimal text, parallel to LS1
    Label EXESHUT{"EXESHUT", kDesignTimeTarget};
    Label Label1{"Label1", "ADD EXESHUT.CAPTION="};
};

}  // namespace pp
