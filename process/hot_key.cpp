#include "process/hot_key.h"

#include "model/form1.h"
#include "model/key_state.h"

namespace pp {

// Any nonzero answer counts: the top bit (down now) and the lowest bit (pressed since the last
// query, so a press shorter than one tick is not lost). The key is not waited on: every tick that
// sees it arms the terminator again.
void WireHotKeyWatcher(Form1& form) {
    form.TKEY.onTimer = [&form] {
        if (form.os.keys.AsyncKeyState(kVirtualKeyF12) != 0)
            form.TerminatorWindow().TS.SetEnabled(true);
    };
}

}  // namespace pp
