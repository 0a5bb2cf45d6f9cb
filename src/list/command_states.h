#pragma once
// Which of the main window's commands can be used and which carry a check mark, from the
// selected rows, the view and the find bar. Asked whenever a menu opens and whenever the
// selection changes.

#include "list/list_view_state.h"
#include "model/event_record.h"

#include <vector>

namespace zm {

struct CommandFacts {
    int rows = 0;
    // The selected rows' events; `focused` the one Modify and Accept act on (null: none).
    const std::vector<EventRecord>* selected = nullptr;
    const EventRecord* focused = nullptr;
    bool clipboardHasEvents = false;
    bool findBarShown = false;
    ViewMode mode = ViewMode::Day;
    bool viewIsToday = false;
};

struct CommandStates {
    bool remove = false; // Delete, and Change type
    bool copy = false;
    bool paste = false;
    bool selectAll = false;
    bool modify = false; // Modify and Properties
    bool accept = false;
    bool wakeUp = false;
    bool enable = false;
    bool disable = false;
    // Previous and next day, month and year, Calendar and Define Filters.
    bool navigate = false;

    bool checkToday = false;
    bool checkDay = false;
    bool checkWeek = false;
    bool checkMonth = false;
    bool checkAll = false;
    bool checkFind = false;

    friend bool operator==(const CommandStates&, const CommandStates&) = default;
};

CommandStates EvaluateCommands(const CommandFacts& facts);

} // namespace zm
