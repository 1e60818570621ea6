#include "shell/start_switches.h"

#include <string_view>

#include "files/text_compare.h"
#include "model/image_buttons.h"
#include "shell/commands.h"

namespace pp {
namespace {

CommandLineRequest ParseSwitch(std::string_view argument) {
    if (argument.starts_with("--"))
        argument.remove_prefix(2);
    else if (argument.starts_with('/') || argument.starts_with('-'))
        argument.remove_prefix(1);
    else
        return CommandLineRequest::Unknown;
    for (const StartSwitch& known : kStartSwitches)
        for (const char* name : known.names)
            if (name && EqualsIgnoringCase(argument, name))
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

std::string UsageMessage() {
    std::string synopsis, lines;
    for (const StartSwitch& each : kStartSwitches) {
        const std::string name = std::string("/") + each.names.front();
        synopsis += (synopsis.empty() ? "" : " | ") + name;
        lines += name + ": " + each.help + "\n";
    }
    const std::string first = kStartSwitches.front().names.front();
    std::string shouted = first;
    for (char& c : shouted)
        c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    return "PitchPilot.exe [" + synopsis + "]\n\n" + lines + "\nAlso -" + first + " or --" + shouted +
           ", in any case. When the tool\nis open already, it starts the match there.";
}

}  // namespace pp
