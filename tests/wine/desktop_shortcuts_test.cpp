// The desktop shortcuts against the shell's own link objects, made in a temporary folder: never on
// the desktop, which under Wine can be the Linux user's own.

#include <gtest/gtest.h>

#include <shobjidl.h>

#include <regex>

#include "menu/desktop_shortcuts_win32.h"
#include "tests/wine/support/files.h"
#include "win32/com.h"
#include "win32/module_path.h"
#include "win32/text.h"

namespace pp {
namespace {

using enum win32::ShortcutOutcome;
using win32::Narrow;

// "target|arguments|working folder|icon,index|description", as the shell reads the file back.
std::wstring ReadShortcut(const std::wstring& path) {
    const win32::ComScope com;
    win32::ComOwner<IShellLinkW> link;
    win32::ComOwner<IPersistFile> file;
    wchar_t text[5][MAX_PATH] = {};
    int index = -1;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(link.Put()))) ||
        FAILED(link->QueryInterface(IID_PPV_ARGS(file.Put()))) || FAILED(file->Load(path.c_str(), STGM_READ)) ||
        FAILED(link->GetPath(text[0], MAX_PATH, nullptr, 0)) || FAILED(link->GetArguments(text[1], MAX_PATH)) ||
        FAILED(link->GetWorkingDirectory(text[2], MAX_PATH)) ||
        FAILED(link->GetIconLocation(text[3], MAX_PATH, &index)) || FAILED(link->GetDescription(text[4], MAX_PATH)))
        return L"no shortcut";
    return std::wstring(text[0]) + L"|" + text[1] + L"|" + text[2] + L"|" + text[3] + L"," + std::to_wstring(index) +
           L"|" + text[4];
}

// A second run replaces the tool's own shortcuts; other files of their names stay as they were.
TEST(DesktopShortcuts, EachStartsTheProgramAndOnlyTheToolsOwnAreReplaced) {
    test::TempFolder temp;
    const std::wstring folder = win32::Widen(temp / "Desktop \xE6\x97\xA5"), program = win32::ModulePath();
    const std::wstring path[2] = {folder + L"\\Pitch Pilot.lnk", folder + L"\\Pitch Pilot - quick match.lnk"};
    const std::wstring rest = L"|" + win32::Widen(test::ProgramFolder()) + L"|" + program + L",0|Starts Pitch Pilot";
    const std::wstring expected[2] = {program + L"|" + rest, program + L"|/start" + rest + L" and a match at once"};
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
    // A text file and a shortcut to another program under the tool's names.
    ::DeleteFileW(path[1].c_str());
    win32::CreateShortcuts(folder, win32::Widen(test::ProgramFolder() + "\\fifa09.exe"));
    test::WriteFile(Narrow(path[0]), "not a shortcut");
    const std::optional<std::string> before[2] = {test::ReadFile(Narrow(path[0])), test::ReadFile(Narrow(path[1]))};
    const std::vector<win32::ShortcutResult> results = win32::CreateShortcuts(folder, program);
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(test::ReadFile(Narrow(path[i])), before[i]);
        EXPECT_EQ(results[i].outcome, LeftAlone);
    }
    // The message groups the names by outcome, each group under a heading of its own ("...:").
    const std::wstring told =
        win32::DescribeShortcutResults({results[0], {L"A", L"", Made}, results[1], {L"B", L"", Failed}});
    EXPECT_EQ(std::regex_replace(told, std::wregex(L".*:\n"), L""),
              L"  A\n\n  Pitch Pilot\n  Pitch Pilot - quick match\n\n  B");
    EXPECT_EQ(win32::CreateShortcuts(folder + L"\\absent", program)[1].outcome, Failed);
    EXPECT_FALSE(win32::DesktopFolder().empty());
}

}  // namespace
}  // namespace pp
