#include "list/command_states.h"

namespace zm {

CommandStates EvaluateCommands(const CommandFacts& facts) {
    CommandStates s;
    const size_t selected = facts.selected ? facts.selected->size() : 0;
    s.remove = selected > 0;
    s.copy = selected > 0;
    s.paste = facts.clipboardHasEvents;
    s.selectAll = facts.rows > 0;
    s.modify = selected == 1;
    const EventRecord* one = selected == 1 ? &facts.selected->front() : nullptr;
    if (one && facts.focused) one = facts.focused;
    s.accept = one && !one->Has(kDisabled) && !one->IsRecurring() && !one->Has(kAccepted);
    s.wakeUp = one && one->Has(kSnoozed) && !one->Has(kDisabled);
    if (facts.selected) {
        for (const EventRecord& e : *facts.selected) {
            if (e.Has(kDisabled))
                s.enable = true;
            else
                s.disable = true;
        }
    }
    s.navigate = !facts.findBarShown;
    const bool viewing = !facts.findBarShown;
    s.checkDay = viewing && facts.mode == ViewMode::Day;
    s.checkWeek = viewing && facts.mode == ViewMode::Week;
    s.checkMonth = viewing && facts.mode == ViewMode::Month;
    s.checkAll = viewing && facts.mode == ViewMode::All;
    s.checkToday = s.checkDay && facts.viewIsToday;
    s.checkFind = facts.findBarShown;
    return s;
}

} // namespace zm
