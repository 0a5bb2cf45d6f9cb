#include "cli/commands.h"
#include "cli/new_event.h"

#include <array>

namespace zm {
namespace {

constexpr std::array<OptionSpec, 1> kSnoozeOptions{{{"--before-start", false}}};

// "help" is answered before any command runs.
int RunHelp(CliRun&) {
    return kExitOk;
}

const std::array<CommandEntry, 22> kCommands{{
    {{"help", 0, 1, {}}, RunHelp},
    {{"list", 0, 0, {}}, RunList},
    {{"show", 1, 1, {}}, RunShow},
    {{"occurrences", 3, 3, {}}, RunOccurrences},
    {{"due", 0, 0, {}}, RunDue},
    {{"agenda", 0, 1, {}}, RunAgenda},
    {{"check", 0, 0, {}}, RunCheck},
    {{"types", 0, 0, {}}, RunTypes},
    {{"quick", 0, 0, {}}, RunQuick},
    {{"add", 2, 2, AddOptions()}, RunAdd},
    {{"accept", 1, 1, {}}, RunAccept},
    {{"snooze", 2, 2, kSnoozeOptions}, RunSnooze},
    {{"unsnooze", 1, 1, {}}, RunUnsnooze},
    {{"delete", 1, 1, {}}, RunDelete},
    {{"enable", 1, 1, {}}, RunEnable},
    {{"disable", 1, 1, {}}, RunDisable},
    {{"set-type", 2, 2, {}}, RunSetType},
    {{"purge", 0, 0, {}}, RunPurge},
    {{"quick-run", 1, 1, {}}, RunQuickRun},
    {{"export", 1, 4000, ExportOptions()}, RunExport},
    {{"import", 1, 1, ImportOptions()}, RunImport},
}};

} // namespace

const CommandEntry* FindCommand(std::string_view name) {
    for (const auto& c : kCommands)
        if (c.shape.name == name) return &c;
    return nullptr;
}

const CommandShape* ShapeOfCommand(std::string_view name) {
    const CommandEntry* c = FindCommand(name);
    return c ? &c->shape : nullptr;
}

} // namespace zm
