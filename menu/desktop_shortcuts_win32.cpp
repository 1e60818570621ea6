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
    return link && SUCCEEDED(link->SetPath(program.c_str())) && SUCCEEDED(link->SetArguments(shortcut.arguments)) &&
           SUCCEEDED(link->SetWorkingDirectory(FolderOf(program).c_str())) &&
           SUCCEEDED(link->SetIconLocation(program.c_str(), 0)) &&
           SUCCEEDED(link->SetDescription(shortcut.description)) && SUCCEEDED(link->SetHotkey(kept.hotKey)) &&
           SUCCEEDED(link->SetShowCmd(kept.showCommand)) && SUCCEEDED(link->QueryInterface(IID_PPV_ARGS(file.Put()))) &&
           SUCCEEDED(file->Save(path.c_str(), TRUE));
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
        existing = ReadShortcut(path);
        if (!existing || existing->description != shortcut.description)
            return ShortcutOutcome::LeftAlone;
    }
    if (!SaveShortcut(path, program, shortcut, existing.value_or(ExistingShortcut{})))
        return ShortcutOutcome::Failed;
    return present ? ShortcutOutcome::Replaced : ShortcutOutcome::Made;
}

}  // namespace

std::vector<ShortcutResult> CreateShortcuts(const std::wstring& folder, const std::wstring& program) {
    const ComScope com;
    std::vector<ShortcutResult> results;
    for (const Shortcut& shortcut : kPitchPilotShortcuts) {
        std::wstring path = folder + L"\\" + shortcut.name + L".lnk";
        const ShortcutOutcome outcome = folder.empty() || program.empty() || !com.Usable()
                                            ? ShortcutOutcome::Failed
                                            : MakeShortcut(path, program, shortcut);
        results.push_back({shortcut.name, std::move(path), outcome});
    }
    return results;
}

// The shell hands out its buffer even when it fails, and it is freed either way.
std::wstring DesktopFolder() {
    wchar_t* path = nullptr;
    std::wstring folder;
    if (SUCCEEDED(::SHGetKnownFolderPath(FOLDERID_Desktop, KF_FLAG_DEFAULT, nullptr, &path)))
        folder = path;
    ::CoTaskMemFree(path);
    return folder;
}

std::wstring DescribeShortcutResults(const std::vector<ShortcutResult>& results) {
    static constexpr std::pair<ShortcutOutcome, const wchar_t*> kHeadings[] = {
        {ShortcutOutcome::Made, L"Made on your desktop:"},
        {ShortcutOutcome::Replaced, L"Already on your desktop, now brought up to date:"},
        {ShortcutOutcome::LeftAlone, L"Not made, since your desktop has another file of the same name:"},
        {ShortcutOutcome::Failed, L"Could not be made on your desktop:"},
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
