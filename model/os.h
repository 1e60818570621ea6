#pragma once

#include "files/file_system.h"
#include "model/key_state.h"
#include "model/picture_loader.h"
#include "model/process_table.h"
#include "model/profile_writer.h"
#include "model/program_host.h"
#include "model/settings_store.h"
#include "model/shell_opener.h"
#include "model/window_host.h"

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
