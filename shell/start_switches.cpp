#include "shell/start_switches.h"

#include <cctype>
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

bool IsStart(CommandLineRequest request) {
    return request == CommandLineRequest::Start || request == CommandLineRequest::PenaltyStart;
}

}  // namespace

CommandLineRequest ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandLineRequest request = CommandLineRequest::None;
    for (const std::string& argument : arguments) {
        if (!argument.starts_with('/') && !argument.starts_with('-'))
            continue;
        if (request != CommandLineRequest::None)
            return CommandLineRequest::Unknown;
        request = ParseSwitch(argument);
    }
    return request;
}

void RunStartRequest(Form1& form, CommandLineRequest request) {
    if (!IsStart(request))
        return;
    const ImageButtonAction action =
        request == CommandLineRequest::Start ? ImageButtonAction::Start : ImageButtonAction::PenaltyStart;
    for (const ImageButtonRow& button : kImageButtons)
        if (button.action == action)
            ClickImageButton(form, button.index);
}

size_t EndOfProgramName(std::string_view commandLine, const std::function<bool(std::string_view)>& namesAFile) {
    if (commandLine.starts_with('"')) {
        const size_t quote = commandLine.find('"', 1);
        return quote == std::string_view::npos ? commandLine.size() : quote + 1;
    }
    const size_t first = commandLine.find_first_of(" \t");
    for (size_t end = first;; end = commandLine.find_first_of(" \t", end + 1)) {
        if (end == std::string_view::npos)
            end = commandLine.size();
        if (namesAFile(commandLine.substr(0, end)))
            return end;
        if (end == commandLine.size())
            break;
    }
    return first == std::string_view::npos ? commandLine.size() : first;
}

bool StartSwitchRuns::Run(Form1& form, CommandLineRequest request, uint64_t askedAt, uint64_t now) {
    if (!IsStart(request) || (lastRun_ && askedAt <= *lastRun_))
        return false;
    lastRun_ = now;
    RunStartRequest(form, request);
    return true;
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
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return "PitchPilot.exe [" + synopsis + "]\n\n" + lines + "\nAlso -" + first + " or --" + shouted +
           ", in any case. When the tool\nis open already, it starts the match there.";
}

}  // namespace pp
