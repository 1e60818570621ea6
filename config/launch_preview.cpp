#include "config/launch_preview.h"

#include "config/catalogue.h"
#include "config/save_command.h"
#include "model/form1.h"

namespace pp {

std::string NextDirectiveLine(const Form1& form) {
    SlotTable slots = form.slots;
    WriteCameraModifierSlots(form, slots);
    return DirectiveLine(slots);
}

LaunchPreview PreviewLaunch(const Form1& form, LaunchKind kind) {
    const std::string line = NextDirectiveLine(form);
    LaunchPreview preview{BuildGameCommand(form, line, kind), std::nullopt, {}};
    if (form.Check2.Checked())
        preview.userIni = UserIniText(SplitAtBlanks(form.TX1.Text() + " " + line), form.os.profile);
    for (std::string& token : SplitAtBlanks(form.TX1.Text())) {
        const auto split = SplitAsStored(token, form.os.profile);
        if (const auto* why = std::get_if<Unwritten>(&split); why && *why != Unwritten::EmptyToken)
            preview.unwritten.emplace_back(std::move(token), *why);
    }
    return preview;
}

std::string CommandLineOf(const GameCommand& command) {
    return "\"" + command.program + "\" " + command.parameters;
}

std::string MarkBlankRuns(std::string_view text) {
    std::string marked;
    marked.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const bool inRun =
            text[i] == ' ' && ((i > 0 && text[i - 1] == ' ') || (i + 1 < text.size() && text[i + 1] == ' '));
        marked += inRun ? "\xC2\xB7" : std::string(1, text[i]);
    }
    return marked;
}

const char* ReasonFor(Unwritten why) {
    switch (why) {
        case Unwritten::EmptyToken:
            return "empty";
        case Unwritten::NoEquals:
            return "no \"=\", so no value";
        case Unwritten::EmptyKey:
            return "nothing before the \"=\"";
        case Unwritten::BreaksALine:
            return "a line break would split user.ini";
        case Unwritten::KeyReadAsSection:
            return "the key would read back as a section header";
        case Unwritten::KeyReadAsComment:
            return "the key would read back as a comment";
        case Unwritten::SectionWithBracket:
            return "a \"]\" in the section name";
    }
    return "";
}

}  // namespace pp
