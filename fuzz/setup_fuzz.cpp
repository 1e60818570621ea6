// Reading and applying a setup file, on any bytes, in a window that held other choices before.
// Checks what must hold for every input:
// - a file refused whole changes nothing: the window's values and the line START hands the game;
// - a file loaded leaves START with the line a start-up with the window's values in the store gives;
// - the setup the window then holds, as the tool writes it, loads into a fresh window without a
//   refusal or a problem, with the same values and the same line, unless it is larger than a load
//   takes (then the tool does not save it).

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "app/wiring.h"
#include "config/save_command.h"
#include "model/form1.h"
#include "state/saved_state.h"
#include "state/setup.h"
#include "tests/native/support/fakes.h"

namespace {

void Check(bool condition) {
    if (!condition)
        std::abort();
}

struct WiredForm : pp::Form1 {
    explicit WiredForm(pp::Os& os) : Form1(os) { pp::WireHandlers(*this); }
};

// A name listed twice, one in another case, names outside ASCII, entries without an id.
struct Game : pp::FakeOs {
    Game() {
        InstallGame();
        files.Put(pp::kGameRoot + "KWTR\\teams.ini",
                  "Zeta,1\r\nalpha,2\r\nBeta,3\r\nZeta,4\r\nALPHA,5\r\nR\xC3\xA9"
                  "al\r\nNo id,\r\n");
        files.Put(pp::kGameRoot + "KWTR\\stads.ini", "North Bank,10\r\nAcre Park\r\nMoor,3 4\r\n");
    }
    std::unique_ptr<WiredForm> Start() {
        auto run = std::make_unique<WiredForm>(os);
        run->Load();
        return run;
    }
};

std::string LineForTheGame(pp::Form1& run) {
    pp::RunSaveCommand(run);
    return run.Tx2.Text();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    Game game;
    auto run = game.Start();
    run->Combo1.SetListIndex(3);
    run->Combo5.SetListIndex(2);
    run->Combo16.SetListIndex(2);
    run->Check16.SetValue(1);
    run->Check70.SetValue(1);
    const pp::SavedValues before = pp::CurrentValues(*run);
    const std::string lineBefore = LineForTheGame(*run);

    const pp::SetupLoad load = pp::LoadSetup(*run, bytes);
    const std::string line = LineForTheGame(*run);
    if (!load.refusal.empty()) {
        Check(pp::CurrentValues(*run) == before && line == lineBefore);
        return 0;
    }
    pp::StoreSavedState(*run);
    Check(LineForTheGame(*game.Start()) == line);

    const std::string text = pp::SetupText(pp::CurrentSetup(*run, bytes.substr(0, 40)));
    if (text.size() > pp::kLargestSetupFile)
        return 0;
    game.settings.values.clear();
    auto fresh = game.Start();
    const pp::SetupLoad again = pp::LoadSetup(*fresh, text);
    Check(again.refusal.empty() && again.problems.empty());
    Check(pp::CurrentValues(*fresh) == pp::CurrentValues(*run));
    Check(LineForTheGame(*fresh) == line);
    return 0;
}
