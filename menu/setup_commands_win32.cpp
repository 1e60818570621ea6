#include "menu/setup_commands_win32.h"

#include <windows.h>

#include <commdlg.h>
#include <shlobj.h>

#include <algorithm>
#include <optional>

#include "menu/dialog_ids.h"
#include "menu/setup_name_dialog_win32.h"
#include "menu/tool_message_win32.h"
#include "state/setup.h"
#include "win32/handles.h"
#include "win32/text.h"

namespace pp::win32 {
namespace {

constexpr wchar_t kExtension[] = L".ini";
constexpr wchar_t kFileFilter[] = L"Pitch Pilot setups (*.ini)\0*.ini\0All files (*.*)\0*.*\0";

std::wstring PathOfSetup(const std::wstring& name) {
    return SetupsFolder() + L"\\" + Widen(SetupFileName(Narrow(name))) + kExtension;
}

// The file whole, unless it is larger than a setup can be; `why` says what stood in the way.
std::optional<std::string> ReadSetupFile(const std::wstring& path, std::string& why) {
    UniqueFileHandle file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (!file || !::GetFileSizeEx(file.Get(), &size)) {
        why = ErrorDescription(::GetLastError());
        return std::nullopt;
    }
    if (size.QuadPart > static_cast<LONGLONG>(kLargestSetupFile)) {
        why = "it is larger than 1 MB";
        return std::nullopt;
    }
    std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!bytes.empty() && !::ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)) {
        why = ErrorDescription(::GetLastError());
        return std::nullopt;
    }
    bytes.resize(read);
    return bytes;
}

// Written beside the file first and moved over it once on the disk, so a setup is never half
// written.
bool WriteSetupFile(const std::wstring& path, const std::string& text) {
    const std::wstring fresh = path + L".new";
    {
        UniqueFileHandle file(
            ::CreateFileW(fresh.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        DWORD written = 0;
        if (!file || !::WriteFile(file.Get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr) ||
            written != text.size() || !::FlushFileBuffers(file.Get())) {
            file.Reset();
            ::DeleteFileW(fresh.c_str());
            return false;
        }
    }
    if (::MoveFileExW(fresh.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    ::DeleteFileW(fresh.c_str());
    return false;
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
    if (!folder.empty())
        ::SHCreateDirectoryExW(nullptr, folder.c_str(), nullptr);
    return folder;
}

std::vector<std::wstring> SetupCommands::Names() const {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found{};
    UniqueFindHandle find(::FindFirstFileW((SetupsFolder() + L"\\*" + kExtension).c_str(), &found));
    for (bool more = find.Valid(); more; more = ::FindNextFileW(find.Get(), &found))
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.emplace_back(found.cFileName, std::wcslen(found.cFileName) - std::size(kExtension) + 1);
    std::sort(names.begin(), names.end(), [](const std::wstring& a, const std::wstring& b) {
        return ::CompareStringEx(LOCALE_NAME_USER_DEFAULT, NORM_IGNORECASE, a.c_str(), -1, b.c_str(), -1, nullptr,
                                 nullptr, 0) == CSTR_LESS_THAN;
    });
    return names;
}

void SetupCommands::SaveAs() {
    const std::wstring name =
        AskForName(instance_, main_, IDD_SetupName, {L"Save the boxes as the setup named:", Names()});
    if (name.empty())
        return;
    const std::wstring path = PathOfSetup(name);
    if (::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES &&
        ShowToolMessage(main_, "Replace the setup \"" + Narrow(name) + "\"?", MB_YESNO | MB_DEFBUTTON2) != IDYES)
        return;
    Write(path, SetupText(CurrentSetup(form_, Narrow(name))));
}

void SetupCommands::Delete() {
    const std::vector<std::wstring> names = Names();
    if (names.empty()) {
        ShowToolMessage(main_, "There is no saved setup to delete.");
        return;
    }
    const std::wstring name = AskForName(instance_, main_, IDD_SetupChoice, {L"Delete the setup:", names});
    if (!name.empty() && !::DeleteFileW(PathOfSetup(name).c_str()))
        ShowToolMessage(main_,
                        "The setup \"" + Narrow(name) + "\" was not deleted: " + ErrorDescription(::GetLastError()));
}

void SetupCommands::Apply(size_t index) {
    const std::vector<std::wstring> names = Names();
    if (index < names.size())
        Load(SetupsFolder() + L"\\" + names[index] + kExtension);
}

void SetupCommands::OpenFile() {
    std::wstring path;
    OPENFILENAMEW dialog = FileDialog(main_, path);
    dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    if (::GetOpenFileNameW(&dialog))
        Load(path.c_str());
}

void SetupCommands::SaveToFile() {
    std::wstring path;
    OPENFILENAMEW dialog = FileDialog(main_, path);
    path.replace(0, 9, L"setup.ini");
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    if (::GetSaveFileNameW(&dialog))
        Write(path.c_str(), SetupText(CurrentSetup(form_, "")));
}

bool SetupCommands::ApplyNamed(const std::string& name) {
    const std::wstring wanted = Widen(name);
    const std::vector<std::wstring> names = Names();
    for (const std::wstring& each : names)
        if (::CompareStringOrdinal(each.c_str(), -1, wanted.c_str(), -1, TRUE) == CSTR_EQUAL)
            return Load(SetupsFolder() + L"\\" + each + kExtension);
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
bool SetupCommands::Load(const std::wstring& path) {
    std::string why;
    const std::optional<std::string> text = ReadSetupFile(path, why);
    SetupFile file = text ? ReadSetup(*text, form_) : SetupFile{std::nullopt, why, {}};
    if (!file.setup) {
        ShowToolMessage(main_, "The setup file\n" + Narrow(path) + "\nwas not loaded: " + file.refusal + ".");
        return false;
    }
    ApplySetup(form_, *file.setup, file.problems);
    if (!file.problems.empty()) {
        std::string message = "The setup file\n" + Narrow(path) + "\nwas loaded, but for:";
        for (const std::string& problem : file.problems)
            message += "\n  " + problem;
        ShowToolMessage(main_, message);
    }
    return true;
}

void SetupCommands::Write(const std::wstring& path, const std::string& text) {
    if (!WriteSetupFile(path, text))
        ShowToolMessage(main_,
                        "The setup file\n" + Narrow(path) + "\nwas not saved: " + ErrorDescription(::GetLastError()));
}

}  // namespace pp::win32
