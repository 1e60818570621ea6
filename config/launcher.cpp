#include "config/launcher.h"

#include <string>
#include <string_view>

#include "config/game_files.h"
#include "config/save_command.h"
#include "model/form1.h"
#include "model/ignore_errors.h"

namespace pp {
namespace {

// What goes ahead of the directive line. The line itself begins with a blank, so the start
// command's parameters begin with two.
constexpr const char* kStartHead = " ";
constexpr const char* kPenaltyStartHead = " DEBUG_SHOOTOUT=1 ";

// Windows takes a command line of at most 32,767 UTF-16 characters with the NUL that ends it,
// and the shell builds it as the program in quotes, one blank and the parameters.
constexpr size_t kLongestCommandLine = 32766;

size_t Utf16Length(std::string_view utf8) {
    size_t length = 0;
    for (char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte & 0xC0) != 0x80)
            ++length;
        if ((byte & 0xF8) == 0xF0)  // a character beyond the first plane takes two
            ++length;
    }
    return length;
}

// Windows refuses a longer command line, while Wine cuts it short and starts the game with the
// end of its directives missing; refused here, the launch fails the same way on both.
bool FitsOnACommandLine(const std::string& program, const std::string& parameters) {
    return Utf16Length(program) + Utf16Length(parameters) + 3 <= kLongestCommandLine;
}

// Saves, runs the game from its root without waiting for it, and aims the terminator at it. A
// launch the system refuses goes unnoticed, and the target name is set all the same.
void SaveAndLaunch(Form1& form, LaunchKind kind) {
    RunSaveCommand(form);
    IgnoreErrors([&] {
        const GameCommand command = BuildGameCommand(form, form.Tx2.Text(), kind);
        if (command.fits)
            form.os.shell.Open(command.program, command.parameters, command.workingFolder);
    });
    form.TerminatorWindow().EXESHUT.SetCaption(kGameProgram);
}

}  // namespace

GameCommand BuildGameCommand(const Form1& form, const std::string& directiveLine, LaunchKind kind) {
    GameCommand command;
    command.workingFolder = form.GameRoot();
    command.program = command.workingFolder + kGameProgram;
    command.parameters =
        (kind == LaunchKind::Start ? kStartHead : kPenaltyStartHead) + directiveLine + " " + form.TX1.Text();
    command.fits = FitsOnACommandLine(command.program, command.parameters);
    return command;
}

void RunStartCommand(Form1& form) {
    SaveAndLaunch(form, LaunchKind::Start);
}

void RunPenaltyStartCommand(Form1& form) {
    SaveAndLaunch(form, LaunchKind::PenaltyStart);
}

}  // namespace pp
