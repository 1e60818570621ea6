#include "state/exit_sequence.h"

#include "config/game_files.h"
#include "files/file_system.h"
#include "model/form1.h"
#include "model/ignore_errors.h"
#include "state/saved_state.h"

namespace pp {
namespace {

// The game must not see a user.ini after the tool closes unless the keep box is checked. The file
// may be one the player wrote, so it is moved aside as bak_user.ini, never deleted; a file whose
// copy cannot be made stays. The game root always ends with "\" once the start-up has found it;
// without one it is no folder, and nothing is touched then.
void MoveOverrideFileAsideUnlessKept(Form1& form) {
    if (form.Check2.Value() != 0)
        return;
    const std::string& root = form.GameRoot();
    if (!IsGameRoot(root))
        return;
    MoveAside(form.os.files, root + kUserIni, root + kCopyPrefix + kUserIni);
}

}  // namespace

void RunExitSequence(Form1& form) {
    IgnoreErrors([&] { MoveOverrideFileAsideUnlessKept(form); });
    form.UnloadTerminator();
    StoreSavedState(form);
}

}  // namespace pp
