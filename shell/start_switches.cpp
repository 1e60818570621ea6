#include "shell/start_switches.h"

#include <cctype>
#include <string_view>

#include "files/text_compare.h"
#include "model/form1.h"
#include "model/image_buttons.h"
#include "shell/commands.h"

namespace pp {
namespace {

// The name of a switch argument, without its "/", "-" or "--"; nothing for an argument that is no
// switch.
std::optional<std::string_view> SwitchName(std::string_view argument) {
    if (argument.starts_with("--"))
        argument.remove_prefix(2);
    else if (argument.starts_with('/') || argument.starts_with('-'))
        argument.remove_prefix(1);
    else
        return std::nullopt;
    return argument;
}

const StartSwitch* FindSwitch(std::string_view name) {
    for (const StartSwitch& known : kStartSwitches)
        for (const char* each : known.names)
            if (each && EqualsIgnoringCase(name, each))
                return &known;
    return nullptr;
}

bool IsStart(CommandLineRequest request) {
    return request == CommandLineRequest::Start || request == CommandLineRequest::PenaltyStart;
}

}  // namespace

StartOptions ParseCommandLine(const std::vector<std::string>& arguments) {
    StartOptions options;
    bool unknown = false, help = false;
    for (size_t i = 0; i < arguments.size(); ++i) {
        std::optional<std::string_view> name = SwitchName(arguments[i]);
        if (!name)
            continue;
        std::optional<std::string> value;
        if (const size_t equals = name->find('='); equals != std::string_view::npos) {
            value = std::string(name->substr(equals + 1));
            name = name->substr(0, equals);
        }
        const StartSwitch* known = FindSwitch(*name);
        if (!known) {
            unknown = true;
            continue;
        }
        switch (known->role) {
            case SwitchRole::Request:
                if (known->request == CommandLineRequest::Help)
                    help = true;
                else if (options.request != CommandLineRequest::None || value)
                    unknown = true;
                else
                    options.request = known->request;
                break;
            case SwitchRole::Setup:
                if (!value && i + 1 < arguments.size())
                    value = arguments[++i];
                if (options.setup || !value || value->empty())
                    unknown = true;
                else
                    options.setup = std::move(value);
                break;
            case SwitchRole::CloseAfter:
                unknown = unknown || options.closeAfter || value;
                options.closeAfter = true;
                break;
        }
    }
    if (help)
        return {CommandLineRequest::Help};
    if (unknown || (options.closeAfter && !IsStart(options.request)))
        return {CommandLineRequest::Unknown};
    return options;
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

bool StartSwitchRuns::Admits(const StartOptions& options, uint64_t askedAt) const {
    return !IsStart(options.request) || !lastRun_ || askedAt > *lastRun_;
}

// The start command aims the terminator at the game it starts, which is the game to watch.
void StartSwitchRuns::Run(Form1& form, const StartOptions& options, uint64_t now) {
    if (!IsStart(options.request))
        return;
    lastRun_ = now;
    RunStartRequest(form, options.request);
    if (options.closeAfter)
        form.gameWatch.Arm(form.TerminatorWindow().EXESHUT.Caption());
}

std::string HandOverBytes(const HandOver& handOver) {
    std::string bytes;
    for (int shift = 0; shift < 64; shift += 8)
        bytes += static_cast<char>((handOver.askedAt >> shift) & 0xFF);
    for (const std::string& argument : handOver.arguments)
        bytes.append(argument).push_back('\0');
    return bytes;
}

std::optional<HandOver> ReadHandOver(std::string_view bytes) {
    if (bytes.size() < 8 || (bytes.size() > 8 && bytes.back() != '\0'))
        return std::nullopt;
    HandOver handOver;
    for (int i = 7; i >= 0; --i)
        handOver.askedAt = (handOver.askedAt << 8) | static_cast<unsigned char>(bytes[i]);
    for (size_t at = 8; at < bytes.size();) {
        const size_t end = bytes.find('\0', at);
        handOver.arguments.emplace_back(bytes.substr(at, end - at));
        at = end + 1;
    }
    return handOver;
}

std::string UsageMessage() {
    std::string synopsis, lines;
    for (const StartSwitch& each : kStartSwitches) {
        std::string shown = std::string("/") + each.names.front();
        if (each.value)
            shown += std::string(" ") + each.value;
        synopsis += (synopsis.empty() ? "" : " | ") + shown;
        lines += shown + ": " + each.help + "\n";
    }
    const std::string first = kStartSwitches.front().names.front();
    std::string shouted = first;
    for (char& c : shouted)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return "PitchPilot.exe [" + synopsis + "]\n\n" + lines + "\nAlso -" + first + " or --" + shouted +
           ", in any case; a name with blanks\nin quotes. When the tool is open already, it starts\nthe match there.";
}

}  // namespace pp
