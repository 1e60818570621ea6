#include "menu/desktop_shortcuts_win32.h"

#include <shlobj.h>
#include <shobjidl.h>

#include <optional>

#include "win32/com.h"

namespace pp::win32 {

namespace {

// A drive's root keeps its separator: "C:" alone names the drive's current folder, not its root.
std::wstring FolderOf(const std::wstring& path) {
    const size_t separator = path.find_last_of(L"\\/");
    if (separator == std::wstring::npos)
        return {};
    return path.substr(0, separator == 2 && path[1] == L':' ? separator + 1 : separator);
}

ComOwner<IShellLinkW> NewShellLink() {
    ComOwner<IShellLinkW> link;
    ::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(link.Put()));
    return link;
}

// What the tool reads of a shortcut already there: whose it is, and what the player may have set in
// it since, which a new one of the tool's keeps.
struct ExistingShortcut {
    std::wstring description;
    WORD hotKey = 0;
    int showCommand = SW_SHOWNORMAL;
};

// The shortcut file at `path`; nothing when it is no shortcut the shell reads.
std::optional<ExistingShortcut> ReadShortcut(const std::wstring& path) {
    ComOwner<IShellLinkW> link = NewShellLink();
    ComOwner<IPersistFile> file;
    std::wstring description(INFOTIPSIZE, L'\0');
    ExistingShortcut existing;
    if (!link || FAILED(link->QueryInterface(IID_PPV_ARGS(file.Put()))) ||
        FAILED(file->Load(path.c_str(), STGM_READ)) ||
        FAILED(link->GetDescription(description.data(), static_cast<int>(description.size()))) ||
        FAILED(link->GetHotkey(&existing.hotKey)) || FAILED(link->GetShowCmd(&existing.showCommand)))
        return std::nullopt;
    existing.description = description.c_str();
    return existing;
}

bool SaveShortcut(const std::wstring& path,
                  const std::wstring& program,
                  const Shortcut& shortcut,
                  const ExistingShortcut& kept) {
    ComOwner<IShellLinkW> link = NewShellLink();
    ComOwner<IPersistFile> file;
    return link && SUCCEEDED(link->SetPath(program.c_str())) &&
           SUCCEEDED(link->SetArguments(std::wstring(shortcut.arguments).c_str())) &&
           SUCCEEDED(link->SetWorkingDirectory(FolderOf(program).c_str())) &&
           SUCCEEDED(link->SetIconLocation(program.c_str(), 0)) &&
           SUCCEEDED(link->SetDescription(std::wstring(shortcut.description).c_str())) &&
           SUCCEEDED(link->SetHotkey(kept.hotKey)) && SUCCEEDED(link->SetShowCmd(kept.showCommand)) &&
           SUCCEEDED(link->QueryInterface(IID_PPV_ARGS(file.Put()))) && SUCCEEDED(file->Save(path.c_str(), TRUE));
}

// Only a file known to be absent is free to take: one that cannot even be looked at (no access, say)
// may be the player's, and is left to the same test as any other file there. A shortcut is the
// tool's own when it bears the tool's own description of it: the player's own shortcut to the
// program (made by Explorer, with arguments or a run mode of theirs) is theirs, and stays. The one
// of the tool's that is replaced keeps the hot key and run mode the player gave it.
ShortcutOutcome MakeShortcut(const std::wstring& path, const std::wstring& program, const Shortcut& shortcut) {
    const bool present = ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES ||
                         (::GetLastError() != ERROR_FILE_NOT_FOUND && ::GetLastError() != ERROR_PATH_NOT_FOUND);
    std::optional<ExistingShortcut> existing;
    if (present) {
        // A shortcut just saved is read at once by the shell's helpers (Wine's menu builder, a virus
        // scanner), which may hold it for a moment: one that cannot be read is tried again briefly
        // before it is taken as no shortcut of the tool's.
        existing = ReadShortcut(path);
        for (int retry = 0; !existing && retry < 10; ++retry) {
            ::Sleep(50);
            existing = ReadShortcut(path);
        }
        if (!existing || existing->description != shortcut.description)
            return ShortcutOutcome::LeftAlone;
    }
    if (!SaveShortcut(path, program, shortcut, existing.value_or(ExistingShortcut{})))
        return ShortcutOutcome::Failed;
    return present ? ShortcutOutcome::Replaced : ShortcutOutcome::Made;
}

}  // namespace

std::vector<ShortcutResult> CreateShortcuts(const std::wstring& folder,
                                            const std::wstring& program,
                                            std::span<const Shortcut> shortcuts) {
    const ComScope com;
    std::vector<ShortcutResult> results;
    for (const Shortcut& shortcut : shortcuts) {
        std::wstring path = folder + L"\\" + std::wstring(shortcut.name) + L".lnk";
        const ShortcutOutcome outcome = folder.empty() || program.empty() || !com.Usable()
                                            ? ShortcutOutcome::Failed
                                            : MakeShortcut(path, program, shortcut);
        results.push_back({std::wstring(shortcut.name), std::move(path), outcome});
    }
    return results;
}

// A name that holds a quote cannot be quoted on a command line; such a setup cannot be saved, since
// a file name cannot hold one, but the shortcut's arguments never break whatever the name.
SetupShortcut::SetupShortcut(const std::wstring& setup)
    : name(L"Pitch Pilot - " + setup),
      arguments(L"/setup \"" + setup.substr(0, setup.find(L'"')) + L"\" /start"),
      description(L"Starts Pitch Pilot with the setup \"" + setup + L"\" and a match at once") {}

// The shell hands out its buffer even when it fails, and it is freed either way.
std::wstring KnownFolder(REFKNOWNFOLDERID id) {
    wchar_t* path = nullptr;
    std::wstring folder;
    if (SUCCEEDED(::SHGetKnownFolderPath(id, KF_FLAG_CREATE, nullptr, &path)))
        folder = path;
    ::CoTaskMemFree(path);
    return folder;
}

std::wstring DesktopFolder() {
    return KnownFolder(FOLDERID_Desktop);
}

std::wstring StartMenuFolder() {
    std::wstring programs = KnownFolder(FOLDERID_Programs);
    if (programs.empty())
        return {};
    programs += L"\\Pitch Pilot";
    const int made = ::SHCreateDirectoryExW(nullptr, programs.c_str(), nullptr);
    return made == ERROR_SUCCESS || made == ERROR_ALREADY_EXISTS ? programs : std::wstring();
}

std::wstring DescribeShortcutResults(const std::vector<ShortcutResult>& results, ShortcutPlace place) {
    const bool desktop = place == ShortcutPlace::Desktop;
    const std::wstring at = desktop ? L"on your desktop" : L"in your Start menu",
                       it = desktop ? L"your desktop" : L"your Start menu";
    const std::pair<ShortcutOutcome, std::wstring> kHeadings[] = {
        {ShortcutOutcome::Made, L"Made " + at + L":"},
        {ShortcutOutcome::Replaced, L"Already " + at + L", now brought up to date:"},
        {ShortcutOutcome::LeftAlone, L"Not made, since " + it + L" has another file of the same name:"},
        {ShortcutOutcome::Failed, L"Could not be made " + at + L":"},
    };
    std::wstring message;
    for (const auto& [outcome, heading] : kHeadings) {
        std::wstring names;
        for (const ShortcutResult& result : results)
            if (result.outcome == outcome)
                names += L"\n  " + result.name;
        if (!names.empty())
            message += (message.empty() ? L"" : L"\n\n") + (heading + names);
    }
    return message;
}

}  // namespace pp::win32
