// Made in a temporary folder: under Wine the desktop can be the Linux user's own.

#include <gtest/gtest.h>

#include <shobjidl.h>

#include <regex>

#include "menu/desktop_shortcuts_win32.h"
#include "tests/wine/support/harness.h"
#include "win32/com.h"
#include "win32/module_path.h"
#include "win32/text.h"

namespace pp {
namespace {

using enum win32::ShortcutOutcome;
using win32::Narrow;

win32::ComOwner<IShellLinkW> LoadShortcut(const std::wstring& path, win32::ComOwner<IPersistFile>& file) {
    win32::ComOwner<IShellLinkW> link;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(link.Put()))) ||
        FAILED(link->QueryInterface(IID_PPV_ARGS(file.Put()))) || FAILED(file->Load(path.c_str(), STGM_READWRITE)))
        link.Reset();
    return link;
}

// "target|arguments|working folder|icon,index|description[|key <hot key>]" as the shell reads it.
std::wstring ReadShortcut(const std::wstring& path) {
    const win32::ComScope com;
    win32::ComOwner<IPersistFile> file;
    const win32::ComOwner<IShellLinkW> link = LoadShortcut(path, file);
    wchar_t text[5][MAX_PATH] = {};
    int index = -1;
    WORD key = 0;
    if (!link || FAILED(link->GetPath(text[0], MAX_PATH, nullptr, 0)) ||
        FAILED(link->GetArguments(text[1], MAX_PATH)) || FAILED(link->GetWorkingDirectory(text[2], MAX_PATH)) ||
        FAILED(link->GetIconLocation(text[3], MAX_PATH, &index)) || FAILED(link->GetDescription(text[4], MAX_PATH)) ||
        FAILED(link->GetHotkey(&key)))
        return L"no shortcut";
    return std::wstring(text[0]) + L"|" + text[1] + L"|" + text[2] + L"|" + text[3] + L"," + std::to_wstring(index) +
           L"|" + text[4] + (key ? L"|key " + std::to_wstring(key) : L"");
}

// As a player edits its properties; null leaves a text as it is.
bool EditShortcut(const std::wstring& path, const wchar_t* description, const wchar_t* arguments, WORD hotKey) {
    const win32::ComScope com;
    win32::ComOwner<IPersistFile> file;
    const win32::ComOwner<IShellLinkW> link = LoadShortcut(path, file);
    return link && (!description || SUCCEEDED(link->SetDescription(description))) &&
           (!arguments || SUCCEEDED(link->SetArguments(arguments))) && SUCCEEDED(link->SetHotkey(hotKey)) &&
           SUCCEEDED(file->Save(path.c_str(), TRUE));
}

std::wstring ToolShortcut(const std::wstring& arguments, const std::wstring& description) {
    const std::wstring program = win32::ModulePath();
    return program + L"|" + arguments + L"|" + win32::Widen(test::ProgramFolder()) + L"|" + program + L",0|" +
           description;
}

TEST(DesktopShortcuts, EachStartsTheProgramAndOnlyTheToolsOwnAreReplaced) {
    test::TempFolder temp;
    const std::wstring folder = win32::Widen(temp / "Desktop \xE6\x97\xA5"), program = win32::ModulePath();
    const std::wstring path[2] = {folder + L"\\Pitch Pilot.lnk", folder + L"\\Pitch Pilot - quick match.lnk"};
    const std::wstring expected[2] = {ToolShortcut(L"", L"Starts Pitch Pilot"),
                                      ToolShortcut(L"/start", L"Starts Pitch Pilot and a match at once")};
    test::MakeFolders(Narrow(folder));
    for (const win32::ShortcutOutcome outcome : {Made, Replaced}) {
        const std::vector<win32::ShortcutResult> results = win32::CreateShortcuts(folder, program);
        ASSERT_EQ(results.size(), 2u);
        for (size_t i = 0; i < 2; ++i) {
            EXPECT_EQ(results[i].path, path[i]);
            EXPECT_EQ(results[i].outcome, outcome) << Narrow(results[i].name);
            EXPECT_EQ(ReadShortcut(path[i]), expected[i]);
        }
    }
    // A text file and the player's own shortcut elsewhere (no description) under the tool's names.
    ::DeleteFileW(path[1].c_str());
    win32::CreateShortcuts(folder, win32::Widen(test::ProgramFolder() + "\\fifa09.exe"));
    ASSERT_TRUE(EditShortcut(path[1], L"", nullptr, 0));
    test::WriteFile(Narrow(path[0]), "not a shortcut");
    const std::optional<std::string> before[2] = {test::ReadFile(Narrow(path[0])), test::ReadFile(Narrow(path[1]))};
    const std::vector<win32::ShortcutResult> results = win32::CreateShortcuts(folder, program);
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(test::ReadFile(Narrow(path[i])), before[i]);
        EXPECT_EQ(results[i].outcome, LeftAlone);
    }
    // Grouped by outcome, each under a heading ("...:").
    const std::wstring told =
        win32::DescribeShortcutResults({results[0], {L"A", L"", Made}, results[1], {L"B", L"", Failed}});
    EXPECT_EQ(std::regex_replace(told, std::wregex(L".*:\n"), L""),
              L"  A\n\n  Pitch Pilot\n  Pitch Pilot - quick match\n\n  B");
    EXPECT_EQ(win32::CreateShortcuts(folder + L"\\absent", program)[1].outcome, Failed);
    // The player's own to the program stays; the tool's own, moved and given a hot key, is updated.
    ::DeleteFileW(path[0].c_str());
    ::DeleteFileW(path[1].c_str());
    win32::CreateShortcuts(folder, win32::Widen(test::ProgramFolder() + "\\fifa09.exe"));
    ASSERT_TRUE(EditShortcut(path[0], L"", L"/penalty", 0));
    const WORD key = MAKEWORD('Q', HOTKEYF_CONTROL | HOTKEYF_ALT);
    ASSERT_TRUE(EditShortcut(path[1], nullptr, nullptr, key));
    const std::optional<std::string> own = test::ReadFile(Narrow(path[0]));
    const std::vector<win32::ShortcutResult> again = win32::CreateShortcuts(folder, program);
    EXPECT_TRUE(again[0].outcome == LeftAlone && again[1].outcome == Replaced);
    EXPECT_EQ(test::ReadFile(Narrow(path[0])), own);
    EXPECT_EQ(ReadShortcut(path[1]), expected[1] + L"|key " + std::to_wstring(key));
    EXPECT_FALSE(win32::DesktopFolder().empty());
    const win32::SetupShortcut cup(L"Cup final \u65E5"), odd(L"a\"b");
    const win32::Shortcut row = cup.Get();
    EXPECT_EQ(win32::CreateShortcuts(folder, program, {&row, 1}).at(0).outcome, Made);
    EXPECT_EQ(ReadShortcut(folder + L"\\Pitch Pilot - Cup final \u65E5.lnk"),
              ToolShortcut(L"/setup \"Cup final \u65E5\" /start",
                           L"Starts Pitch Pilot with the setup \"Cup final \u65E5\" and a match at once"));
    EXPECT_EQ(odd.arguments, L"/setup \"a\" /start");
}

// Made for real, so only in the build's Wine prefix, and removed again.
TEST(DesktopShortcuts, TheStartMenuGetsBothInAFolderOfItsOwn) {
    if (!::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "wine_get_version"))
        GTEST_SKIP() << "not under Wine: the Start menu is this computer's player's";
    const std::wstring folder = win32::StartMenuFolder();
    ASSERT_NE(folder.find(L"\\Programs\\Pitch Pilot"), std::wstring::npos) << Narrow(folder);
    const std::vector<win32::ShortcutResult> results = win32::CreateShortcuts(folder, win32::ModulePath());
    ASSERT_EQ(results.size(), 2u);
    EXPECT_EQ(ReadShortcut(folder + L"\\Pitch Pilot.lnk"), ToolShortcut(L"", L"Starts Pitch Pilot"));
    EXPECT_EQ(ReadShortcut(folder + L"\\Pitch Pilot - quick match.lnk"),
              ToolShortcut(L"/start", L"Starts Pitch Pilot and a match at once"));
    EXPECT_NE(win32::DescribeShortcutResults(results, win32::ShortcutPlace::StartMenu).find(L"in your Start menu:"),
              std::wstring::npos);
    for (const win32::ShortcutResult& result : results)
        ::DeleteFileW(result.path.c_str());
    ::RemoveDirectoryW(folder.c_str());
}

}  // namespace
}  // namespace pp
