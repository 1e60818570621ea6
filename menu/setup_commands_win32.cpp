#include "menu/setup_commands_win32.h"

#include <windows.h>

#include <commdlg.h>
#include <shlobj.h>

#include "menu/dialog_ids.h"
#include "menu/setup_name_dialog_win32.h"
#include "menu/tool_message_win32.h"
#include "model/form1.h"
#include "state/setup_files.h"
#include "win32/text.h"

namespace pp::win32 {
namespace {

constexpr wchar_t kFileFilter[] = L"Pitch Pilot setups (*.ini)\0*.ini\0All files (*.*)\0*.*\0";

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
    if (::GetOpenFileNameW(&dialog))
        Load(Narrow(path.c_str()));
}

void SetupCommands::SaveToFile() {
    std::wstring path;
    OPENFILENAMEW dialog = FileDialog(main_, path);
    path.replace(0, 9, L"setup.ini");
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    if (::GetSaveFileNameW(&dialog))
        Save(Narrow(path.c_str()), "");
}

// Nothing changes when the file is refused whole; otherwise what could not be applied is named.
void SetupCommands::Load(const std::string& path) {
    if (const std::string message = LoadMessage(path, LoadSetupFile(form_, path)); !message.empty())
        ShowToolMessage(main_, message);
}

void SetupCommands::Save(const std::string& path, const std::string& name) {
    if (const std::optional<std::string> why = SaveSetupFile(form_, path, name))
        ShowToolMessage(main_, "The setup file\n" + path + "\nwas not saved: " + *why + ".");
}

}  // namespace pp::win32
