#include "cli/commands.h"

#include <array>

namespace zm {
namespace {

constexpr std::array<CommandEntry, 8> kCommands{{
    {{"list", 0, 0, {}}, RunList},
    {{"show", 1, 1, {}}, RunShow},
    {{"occurrences", 3, 3, {}}, RunOccurrences},
    {{"due", 0, 0, {}}, RunDue},
    {{"agenda", 0, 1, {}}, RunAgenda},
    {{"check", 0, 0, {}}, RunCheck},
    {{"types", 0, 0, {}}, RunTypes},
    {{"quick", 0, 0, {}}, RunQuick},
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
