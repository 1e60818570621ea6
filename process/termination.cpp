#include "process/termination.h"

#include <charconv>
#include <cstdint>
#include <optional>
#include <string>

#include "files/text_compare.h"
#include "model/form1.h"
#include "model/ignore_errors.h"

namespace pp {
namespace {

void ListProcesses(Fshut& window, ProcessTable& processes) {
    window.LS1.List().Clear();
    window.LS2.List().Clear();
    for (const ProcessEntry& process : processes.Snapshot()) {
        window.LS1.List().Add(process.exeName);
        window.LS2.List().Add(std::to_string(process.id));
    }
}

// Whole names compared without regard to case; the last match in walk order stays selected.
void SelectLastMatch(Fshut& window) {
    const std::string& target = window.EXESHUT.Caption();
    const LineList& names = window.LS1.List();
    for (int i = 0; i < names.Count(); ++i)
        if (EqualsIgnoringCase(names.Item(i), target))
            window.LS2.List().SetSelectedIndex(i);
}

std::optional<uint32_t> SelectedProcessId(const Fshut& window) {
    const LineList& ids = window.LS2.List();
    if (ids.SelectedIndex() < 0)
        return std::nullopt;
    const std::string& text = ids.SelectedText();
    uint32_t id = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), id);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return id;
}

}  // namespace

// Each step that fails is skipped; the pass always ends disarmed and unloaded, so an armed
// terminator never ticks twice for one arming.
void RunTerminationPass(Form1& form) {
    Fshut& window = form.TerminatorWindow();
    IgnoreErrors([&] { ListProcesses(window, form.os.processes); });
    IgnoreErrors([&] { SelectLastMatch(window); });
    IgnoreErrors([&] {
        if (std::optional<uint32_t> id = SelectedProcessId(window))
            form.os.processes.EndProcess(*id);
    });
    window.TS.SetEnabled(false);
    form.UnloadTerminator();
}

}  // namespace pp
