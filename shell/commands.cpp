#include "shell/commands.h"

#include <array>
#include <string>

#include "model/form1.h"
#include "model/ignore_errors.h"

namespace pp {
namespace {

// One shell call: file, parameters and working folder, where "{root}" stands for the game root
// (with its final "\") and "{tool}" for the tool folder.
struct LinkCommand {
    const char* file;
    const char* parameters;
    const char* folder;
};

constexpr std::array<LinkCommand, 5> kLinkCommands = {{
    {"explorer.exe", " {root}", "{root}"},
    {"explorer.exe", " {root}data\\", "{root}data\\"},
    {"{root}KWTR\\tut\\09 Hoarding Kit.html", "", "{root}KWTR\\tut\\"},
    {kHomePageAddress, "", "{tool}"},
    {kSiteAddress, "", "{tool}"},
}};

constexpr int kHelpLink = 2;
constexpr LinkCommand kHelpFallback = {"notepad.exe", " readme.txt", "{tool}"};

std::string Expand(const std::string& pattern, const std::string& root, const std::string& tool) {
    std::string out;
    for (size_t i = 0; i < pattern.size();) {
        if (pattern.compare(i, 6, "{root}") == 0) {
            out += root;
            i += 6;
        } else if (pattern.compare(i, 6, "{tool}") == 0) {
            out += tool;
            i += 6;
        } else {
            out += pattern[i++];
        }
    }
    return out;
}

}  // namespace

void ClickImageButton(Form1& form, int index) {
    switch (index) {
        case 0:
            IgnoreErrors([&] { form.CM1.Click(); });
            IgnoreErrors([&] { form.os.window.Close(); });
            form.UnloadTerminator();
            break;
        case 1:
            form.CM1.Click();
            break;
        case 2:
            form.CM2.Click();
            break;
        case 3:
            form.CM3.Click();
            break;
        case 99:
            form.os.window.Minimise();
            break;
        default:
            break;
    }
}

void ClickLink(Form1& form, int index) {
    if (index < 0 || index >= static_cast<int>(kLinkCommands.size()))
        return;
    const std::string root = form.GameRoot();
    const std::string tool = form.os.host.ProgramFolder();
    LinkCommand command = kLinkCommands[static_cast<size_t>(index)];
    if (index == kHelpLink) {
        const std::string page = Expand(command.file, root, tool);
        if (page.empty() || form.os.files.LookUpOrdinaryFile(page) != FileLookup::Found)
            command = kHelpFallback;
    }
    form.os.shell.Open(Expand(command.file, root, tool), Expand(command.parameters, root, tool),
                       Expand(command.folder, root, tool));
}

}  // namespace pp
