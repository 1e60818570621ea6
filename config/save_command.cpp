#include "config/save_command.h"

#include "config/catalogue.h"
#include "config/game_files.h"
#include "config/game_folder.h"
#include "config/required_files.h"
#include "config/shadow_copies.h"
#include "config/user_ini.h"
#include "model/form1.h"
#include "model/ignore_errors.h"

namespace pp {
namespace {

// user.ini is replaced, never added to: the file is deleted and written afresh, so it holds the
// current entries alone. One that stays in place (read-only, held open by another program, of any
// attributes) is left exactly as it is, since the writer makes a new file only; the player is told
// why, as the game then goes without it.
void WriteOverrideFile(Form1& form) {
    const std::string path = form.GameRoot() + kUserIni;
    IgnoreErrors([&] { form.os.files.Delete(path); });
    IgnoreErrors([&] {
        form.Tva.SetText(form.TX1.Text() + " " + form.Tx2.Text());
        form.Lva.List().Clear();
        form.Lva.List().AddMany(SplitAtBlanks(form.Tva.Text()));
    });
    bool written = false;
    IgnoreErrors(
        [&] { written = form.os.profile.WriteNewFile(path, UserIniText(form.Lva.List().Items(), form.os.profile)); });
    if (!written)
        IgnoreErrors([&] { TellUserIniNotWritten(form, WhyUserIniWasNotWritten(form)); });
}

}  // namespace

std::string DirectiveLine(const SlotTable& slots) {
    std::string line;
    for (int i = 0; i < SlotTable::kSize; ++i) {
        line += ' ';
        line += slots.Read(i);
    }
    return line;
}

// The game root ends with "\" once start-up has found it; without one it is no folder, and the bare
// name would land in whatever folder is current. A folder found not writable before is looked at
// again, and shadow copies that appeared since the last look are offered to be moved aside, before
// the file is written that they would hide.
void RunSaveCommand(Form1& form) {
    chk(form);
    IgnoreErrors([&] { WriteCameraModifierSlots(form); });
    IgnoreErrors([&] { form.Tx2.SetText(DirectiveLine(form.slots)); });
    if (!IsGameRoot(form.GameRoot()))
        return;
    if (!form.gameFolder.writable)
        IgnoreErrors([&] { RefreshGameFolder(form); });
    IgnoreErrors([&] { OfferToMoveShadowCopies(form); });
    if (form.Check2.Checked())
        WriteOverrideFile(form);
}

}  // namespace pp
