#include "menu/setup_commands_win32.h"

#include <windows.h>

#include <commdlg.h>
#include <shlobj.h>

#include "menu/dialog_ids.h"
#include "menu/setup_name_dialog_win32.h"
#include "menu/tool_message_win32.h"
#include "model/form1.h"
#include "state/setup_files.h"
#include "win32/handles.h"
#include "win32/text.h"

namespace pp::win32 {
namespace {

constexpr wchar_t kFileFilter[] = L"Pitch Pilot setups (*.ini)\0*.ini\0All files (*.*)\0*.*\0";

// The common dialogs' library is loaded when a file dialog first opens rather than with the
// program: under Wine it and the printing libraries it brings add 5 MiB to the working set of a
// run that opens no dialog, which is most runs.
bool RunFileDialog(const char* function, OPENFILENAMEW& dialog) {
    static const UniqueModule library(::LoadLibraryW(L"comdlg32.dll"));
    using FileDialogFunction = BOOL(WINAPI*)(OPENFILENAMEW*);
    const FARPROC found = library ? ::GetProcAddress(library.Get(), function) : nullptr;
    // Through void(*)(), the one function pointer type that converts to any other without a warning.
    const auto run = reinterpret_cast<FileDialogFunction>(reinterpret_cast<void (*)()>(found));
    return run && run(&dialog);
}

OPENFILENAMEW FileDialog(HWND owner, std::wstring& path) {
    path.resize(32768, L'\0');
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = kFileFilter;
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(path.size());
    dialog.lpstrDefExt = L"ini";
    return dialog;
}

}  // namespace

std::wstring SetupsFolder() {
    PWSTR appData = nullptr;
    std::wstring folder;
    if (SUCCEEDED(::SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_CREATE, nullptr, &appData)))
        folder = std::wstring(appData) + L"\\Pitch Pilot\\Setups";
    ::CoTaskMemFree(appData);
    return folder;
}

std::vector<std::wstring> SetupCommands::Names() const {
    std::vector<std::wstring> names;
    for (const std::string& name : SavedSetupNames(form_.os.files, Narrow(SetupsFolder())))
        names.push_back(Widen(name));
    return names;
}

void SetupCommands::SaveAs() {
    const std::wstring name =
        AskForName(instance_, main_, IDD_SetupName, {L"Save the boxes as the setup named:", Names()});
    if (name.empty())
        return;
    const std::string folder = Narrow(SetupsFolder()), path = NewSetupPath(folder, Narrow(name));
    if (form_.os.files.Exists(path) &&
        ShowToolMessage(main_, "Replace the setup \"" + Narrow(name) + "\"?", MB_YESNO | MB_DEFBUTTON2) != IDYES)
        return;
    form_.os.files.MakeFolders(folder);
    Save(path, Narrow(name));
}

// The name comes from the list of files as it is, so it is the very file the list shows.
void SetupCommands::Delete() {
    const std::vector<std::wstring> names = Names();
    if (names.empty()) {
        ShowToolMessage(main_, "There is no saved setup to delete.");
        return;
    }
    const std::wstring name = AskForName(instance_, main_, IDD_SetupChoice, {L"Delete the setup:", names});
    if (name.empty())
        return;
    if (const auto why = DeleteSavedSetup(form_.os.files, Narrow(SetupsFolder()), Narrow(name)))
        ShowToolMessage(main_, "The setup \"" + Narrow(name) + "\" was not deleted: " + *why + ".");
}

void SetupCommands::Apply(size_t index) {
    const std::vector<std::wstring> names = Names();
    if (index < names.size())
        Load(ListedSetupPath(Narrow(SetupsFolder()), Narrow(names[index])));
}

void SetupCommands::OpenFile() {
    std::wstring path;
    OPENFILENAMEW dialog = FileDialog(main_, path);
    dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    if (RunFileDialog("GetOpenFileNameW", dialog))
        Load(Narrow(path.c_str()));
}

void SetupCommands::SaveToFile() {
    std::wstring path;
    OPENFILENAMEW dialog = FileDialog(main_, path);
    path.replace(0, 9, L"setup.ini");
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    if (RunFileDialog("GetSaveFileNameW", dialog))
        Save(Narrow(path.c_str()), "");
}

bool SetupCommands::ApplyNamed(const std::string& name) {
    const std::wstring wanted = Widen(name);
    const std::vector<std::wstring> names = Names();
    for (const std::wstring& each : names)
        if (::CompareStringOrdinal(each.c_str(), -1, wanted.c_str(), -1, TRUE) == CSTR_EQUAL)
            return Load(ListedSetupPath(Narrow(SetupsFolder()), Narrow(each)));
    std::string message = "There is no saved setup named \"" + name + "\", so no match was started.";
    if (names.empty())
        message += "\n\nYou have no saved setups yet: \"Save setup as\" in the window's menu saves one.";
    else
        message += "\n\nYour saved setups:";
    for (const std::wstring& each : names)
        message += "\n  " + Narrow(each);
    ShowToolMessage(main_, message);
    return false;
}

// Nothing changes when the file is refused whole; otherwise what could not be applied is named.
bool SetupCommands::Load(const std::string& path) {
    const SetupLoad load = LoadSetupFile(form_, path);
    if (const std::string message = LoadMessage(path, load); !message.empty())
        ShowToolMessage(main_, message);
    return load.refusal.empty();
}

void SetupCommands::Save(const std::string& path, const std::string& name) {
    if (const std::optional<std::string> why = SaveSetupFile(form_, path, name))
        ShowToolMessage(main_, "The setup file\n" + path + "\nwas not saved: " + *why + ".");
}

}  // namespace pp::win32
