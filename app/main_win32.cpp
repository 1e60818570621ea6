// PitchPilot.exe: the composition root. It reads the command line, makes the system's services,
// the main window's model and its window, runs the start-up before the window shows, and then the
// message loop.

#include <windows.h>

#include <commctrl.h>

#include "app/command_line_win32.h"
#include "app/program_host_win32.h"
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
#include "view/main_window_win32.h"
#include "view/skin_win32.h"

namespace {

constexpr int kExitCodeOfSuccess = 0;
constexpr int kExitCodeOfFailure = 1;

int RunPitchPilot(HINSTANCE instance,
                  int showCommand,
                  const std::vector<std::string>& arguments,
                  const pp::StartOptions& options) {
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

    // With a switch a second copy gives it to the copy that runs, silently, where without one its
    // start-up refuses with a message. Asked here, the lock is this copy's when the start-up asks
    // again.
    if (options != pp::StartOptions{} && host.AnotherCopyRunning())
        return pp::win32::HandOverToRunningCopy(arguments) ? kExitCodeOfSuccess : kExitCodeOfFailure;

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
    if (options != pp::StartOptions{})
        window.RunStartOptionsSoon(options, pp::win32::ThisCopyStartedAt());
    return pp::win32::RunMessageLoop(window);
}

// Help, or a switch the tool does not know, opens no window: a shortcut with a mistyped switch
// shows the switches instead of starting the tool without the match it asked for.
int ShowUsageInstead(pp::CommandLineRequest request) {
    pp::win32::ShowUsage();
    return request == pp::CommandLineRequest::Help ? kExitCodeOfSuccess : kExitCodeOfFailure;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    try {
        const std::vector<std::string> arguments = pp::win32::CommandLineArguments();
        const pp::StartOptions options = pp::ParseCommandLine(arguments);
        if (options.request == pp::CommandLineRequest::Help || options.request == pp::CommandLineRequest::Unknown)
            return ShowUsageInstead(options.request);
        return RunPitchPilot(instance, showCommand, arguments, options);
    } catch (...) {
        return kExitCodeOfFailure;
    }
}
