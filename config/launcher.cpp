#include "config/launcher.h"

#include "app/form1.h"
#include "app/ignore_errors.h"
#include "config/save_command.h"

namespace pp {
namespace {

constexpr const char* kGameProgram = "fifa09.exe";

// What goes ahead of the directive line. The line itself begins with a blank, so the start
// command's parameters begin with two.
constexpr const char* kStartHead = " ";
constexpr const char* kPenaltyStartHead = " DEBUG_SHOOTOUT=1 ";

// Saves, runs the game from its root without waiting for it, and aims the terminator at it. A
// launch the system refuses goes unnoticed, and the target name is set all the same.
void SaveAndLaunch(Form1& form, const char* head) {
    RunSaveCommand(form);
    const std::string root = form.GameRoot();
    IgnoreErrors(
        [&] { form.os.shell.Open(root + kGameProgram, head + form.Tx2.Text() + " " + form.TX1.Text(), root); });
    form.TerminatorWindow().EXESHUT.SetCaption(kGameProgram);
}

}  // namespace

void RunStartCommand(Form1& form) {
    SaveAndLaunch(form, kStartHead);
}

void RunPenaltyStartCommand(Form1& form) {
    SaveAndLaunch(form, kPenaltyStartHead);
}

}  // namespace pp
