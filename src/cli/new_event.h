#pragma once
// "add": what the command line asks for, and the event the editor would make of it. The event
// goes through the editor's rules in the editor's order: the recurrence editor's confirmation
// (which moves the start to the first occurrence), the duration and the advance notice, and the
// saving rule of an edited event with "now" as given.

#include "cli/cli_args.h"
#include "model/event_record.h"
#include "model/pattern_confirm.h"
#include "store/types/type_list.h"

#include <optional>
#include <string>
#include <vector>

namespace zm {

inline constexpr size_t kMaxNameLength = 127;
inline constexpr size_t kMaxNotesLength = 2047;

struct AddRequest {
    std::string name;
    DateTime start;
    std::optional<std::string> type;
    std::string notes;
    std::optional<std::string> advance;  // as typed, read with ParseAmount
    std::optional<std::string> duration; // as typed
    // The recurrence option; form None when none was given. Its start, range and options are
    // filled when the event is made.
    PatternChoice pattern;
    std::optional<std::string> patternOption; // which option gave it, for messages
    std::optional<DateTime> ends;
    bool age = false;
    bool skipWhenOver = false;
    bool disabled = false;
};

// The options "add" takes.
std::span<const OptionSpec> AddOptions();

// Reads the arguments of "add"; on a usage error returns nothing and says why in `error`.
std::optional<AddRequest> ParseAddRequest(const CommandArgs& args, std::string& error);

struct NewEventResult {
    int status = 0;      // 0 made; 1 refused by the editor's rules; 2 a usage error
    std::string message; // why it was refused
    // Told on the error stream; the event is still made.
    std::vector<std::string> notes;
    // The reminder time had passed: the event is made accepted, so it will not remind.
    bool storedAccepted = false;
    EventRecord event;
};

// The new event for the request, as the editor would hand it to the store (no key yet).
// `now` is the instant the saving rule takes as now.
NewEventResult MakeNewEvent(const AddRequest& request, const TypeList& types, DateTime now,
                            const WeekSettings& week);

// Weekday list position (0 Monday ... 6 Sunday) of an English day name or its first three
// letters, without regard to case; -1 for anything else.
int WeekdayPosition(std::string_view name);
// Ordinal list position (0 first ... 4 last); -1 for anything else.
int OrdinalPosition(std::string_view name);

} // namespace zm
