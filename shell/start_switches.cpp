#include "shell/start_switches.h"

#include <array>
#include <string_view>

#include "files/text_compare.h"
#include "model/image_buttons.h"
#include "shell/commands.h"

namespace pp {
namespace {

struct Switch {
    const char* name;
    CommandLineRequest request;
};

constexpr std::array<Switch, 5> kSwitches = {{
    {"start", CommandLineRequest::Start},
    {"penalty", CommandLineRequest::PenaltyStart},
    {"?", CommandLineRequest::Help},
    {"h", CommandLineRequest::Help},
    {"help", CommandLineRequest::Help},
}};

CommandLineRequest ParseSwitch(std::string_view argument) {
    if (argument.starts_with("--"))
        argument.remove_prefix(2);
    else if (argument.starts_with('/') || argument.starts_with('-'))
        argument.remove_prefix(1);
    else
        return CommandLineRequest::Unknown;
    for (const Switch& known : kSwitches)
        if (EqualsIgnoringCase(argument, known.name))
            return known.request;
    return CommandLineRequest::Unknown;
}

}  // namespace

CommandLineRequest ParseCommandLine(const std::vector<std::string>& arguments) {
    if (arguments.empty())
        return CommandLineRequest::None;
    return arguments.size() == 1 ? ParseSwitch(arguments.front()) : CommandLineRequest::Unknown;
}

void RunStartRequest(Form1& form, CommandLineRequest request) {
    if (request != CommandLineRequest::Start && request != CommandLineRequest::PenaltyStart)
        return;
    const ImageButtonAction action =
        request == CommandLineRequest::Start ? ImageButtonAction::Start : ImageButtonAction::PenaltyStart;
    for (const ImageButtonRow& button : kImageButtons)
        if (button.action == action)
            ClickImageButton(form, button.index);
}

}  // namespace pp
