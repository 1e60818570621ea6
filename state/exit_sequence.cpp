#include "state/exit_sequence.h"

#include "model/form1.h"
#include "model/ignore_errors.h"
#include "state/saved_state.h"

namespace pp {
namespace {

// user.ini goes unless the keep box is checked. The game root always ends with "\" once the
// start-up has found it; without one it is no folder, and deleting "user.ini" behind it would hit
// whatever file the bare text names, so nothing is deleted then.
void DeleteOverrideFileUnlessKept(Form1& form) {
    if (form.Check2.Value() != 0)
        return;
    const std::string& root = form.GameRoot();
    if (root.empty() || root.back() != '\\')
        return;
    form.os.files.Delete(root + "user.ini");
}

}  // namespace

void RunExitSequence(Form1& form) {
    IgnoreErrors([&] { DeleteOverrideFileUnlessKept(form); });
    form.UnloadTerminator();
    StoreSavedState(form);
}

}  // namespace pp
