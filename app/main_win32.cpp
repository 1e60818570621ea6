// PitchPilot.exe: the composition root. It makes the system's services, the main window's model
// and its window, runs the start-up before the window shows, and then the message loop.

#include <windows.h>

#include <commctrl.h>

#include "app/main_window_win32.h"
#include "app/program_host_win32.h"
#include "app/skin_win32.h"
#include "app/wiring.h"
#include "config/picture_loader_win32.h"
#include "config/profile_writer_win32.h"
#include "files/file_system_win32.h"
#include "model/form1.h"
#include "process/key_state_win32.h"
#include "process/mmshut_win32.h"
#include "shell/button_faces.h"
#include "shell/shell_opener_win32.h"
#include "state/registry_settings_store_win32.h"

namespace {

constexpr int kExitCodeOfFailure = 1;

int RunPitchPilot(HINSTANCE instance, int showCommand) {
    INITCOMMONCONTROLSEX commonControls{};
    commonControls.dwSize = sizeof(commonControls);
    commonControls.dwICC = ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES;
    ::InitCommonControlsEx(&commonControls);

    pp::win32::WindowsFileSystem files;
    pp::win32::WindowsProgramHost host;
    pp::win32::RegistrySettingsStore settings;
    pp::win32::WindowsProfileWriter profile;
    pp::win32::WindowsShellOpener shell;
    pp::win32::ToolhelpProcessTable processes;
    pp::win32::WindowsKeyState keys;
    pp::win32::GdiplusPictureLoader pictures;
    pp::win32::MainWindowHost windowHost;
    pp::Os os{files, host, settings, profile, shell, processes, keys, pictures, windowHost};

    pp::Form1 form(os);

    pp::WireHandlers(form);
    pp::win32::MainWindow window(form, windowHost, instance);
    // The window opens on the primary monitor, at the system's dpi. Its background is drawn
    // meanwhile; its faces are made before the load, which keeps them as the buttons' normal
    // pictures.
    const int dpi = static_cast<int>(::GetDpiForSystem());
    window.DrawBackdropAhead(dpi);
    pp::InstallButtonFaces(form, pp::win32::DrawButtonFaces(dpi));
    form.Load();

    if (!window.Create())
        return kExitCodeOfFailure;
    shell.SetOwner(window.Handle());
    window.Show(showCommand);
    return pp::win32::RunMessageLoop(window);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    try {
        return RunPitchPilot(instance, showCommand);
    } catch (...) {
        return kExitCodeOfFailure;
    }
}
