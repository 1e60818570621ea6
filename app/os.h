#pragma once

#include "app/program_host.h"
#include "config/picture_loader.h"
#include "config/profile_writer.h"
#include "files/file_system.h"
#include "process/key_state.h"
#include "process/process_table.h"
#include "shell/shell_opener.h"
#include "shell/window_host.h"
#include "state/settings_store.h"

namespace pp {

// Every service of the operating system that the main window uses, handed to it as one.
struct Os {
    FileSystem& files;
    ProgramHost& host;
    SettingsStore& settings;
    ProfileWriter& profile;
    ShellOpener& shell;
    ProcessTable& processes;
    KeyState& keys;
    PictureLoader& pictures;
    WindowHost& window;
};

}  // namespace pp
