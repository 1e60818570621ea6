#include "shell/commands.h"

#include <string>

#include "model/form1.h"
#include "model/ignore_errors.h"

namespace pp {
namespace {

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
    const ImageButtonRow* button = FindImageButton(index);
    if (!button)
        return;
    switch (button->action) {
        case ImageButtonAction::SaveAndClose:
            IgnoreErrors([&] { form.CM1.Click(); });
            IgnoreErrors([&] { form.os.window.Close(); });
            form.UnloadTerminator();
            break;
        case ImageButtonAction::Save:
            form.CM1.Click();
            break;
        case ImageButtonAction::Start:
            form.CM2.Click();
            break;
        case ImageButtonAction::PenaltyStart:
            form.CM3.Click();
            break;
        case ImageButtonAction::Minimise:
            form.os.window.Minimise();
            break;
    }
}

void ClickLink(Form1& form, int index) {
    if (index < 0 || index >= static_cast<int>(kLinks.size()))
        return;
    const std::string root = form.GameRoot();
    const std::string tool = form.os.host.ProgramFolder();
    LinkRow command = kLinks[static_cast<size_t>(index)];
    if (index == kHelpLink) {
        const std::string page = Expand(command.file, root, tool);
        if (page.empty() || form.os.files.LookUpOrdinaryFile(page) != FileLookup::Found)
            command = kHelpFallback;
    }
    form.os.shell.Open(Expand(command.file, root, tool), Expand(command.parameters, root, tool),
                       Expand(command.folder, root, tool));
}

}  // namespace pp
