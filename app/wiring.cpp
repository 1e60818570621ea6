#include "app/wiring.h"

#include "config/catalogue.h"
#include "config/game_folder.h"
#include "config/launcher.h"
#include "config/save_command.h"
#include "config/team_choice.h"
#include "model/form1.h"
#include "process/hot_key.h"
#include "process/termination.h"
#include "shell/fade.h"
#include "state/exit_sequence.h"
#include "state/startup.h"

namespace pp {

void WireHandlers(Form1& form) {
    WireOptionCatalogue(form);
    WireTeamChoice(form);
    WireHotKeyWatcher(form);
    WireFades(form);
    form.CM1.onClick = [&form] { RunSaveCommand(form); };
    form.CM2.onClick = [&form] { RunStartCommand(form); };
    form.CM3.onClick = [&form] { RunPenaltyStartCommand(form); };
    form.Command2.onClick = [&form] { form.ListSlots(); };
    form.onLoad = [&form] { RunStartup(form); };
    form.onShown = [&form] { TellAboutGameFolder(form); };
    form.onUnload = [&form] { RunExitSequence(form); };
    form.onTerminatorTimer = [&form] { RunTerminationPass(form); };
}

}  // namespace pp
