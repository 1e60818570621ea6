#include "process/hot_key.h"

#include "model/form1.h"
#include "model/ignore_errors.h"
#include "model/key_state.h"
#include "process/game_watch.h"

namespace pp {

// Any nonzero answer counts: the top bit (down now) and the lowest bit (pressed since the last
// query, so a press shorter than one tick is not lost). The key is not waited on: every tick that
// sees it arms the terminator again.
void WireHotKeyWatcher(Form1& form) {
    form.TKEY.onTimer = [&form] {
        if (form.os.keys.AsyncKeyState(kVirtualKeyF12) != 0)
            form.TerminatorWindow().TS.SetEnabled(true);
        IgnoreErrors([&] {
            if (GameWatchSeesTheEnd(form))
                form.os.window.Close();
        });
    };
}

}  // namespace pp
