#pragma once
// The answer of a validation rule: go on, refuse with a message and a field to focus, or ask the
// user a question first.

namespace zm {

// The editor field that gets the focus after a refusal.
enum class EditField {
    None,
    Start,
    Advance,
    Duration,
    Interval,
    Weekdays,
    DayOfMonth,
    Ordinal,
    Weekday,
    Month,
    EndDate,
    SnoozeAmount,
};

struct Verdict {
    enum class Kind {
        Ok,
        Refused, // show `message` (when not 0), focus `focus`, change nothing
        Ask,     // ask the Yes/No question `message`, then call again with the answer
    };
    Kind kind = Kind::Ok;
    int message = 0; // string-table number
    EditField focus = EditField::None;

    bool Ok() const { return kind == Kind::Ok; }
    static Verdict Pass() { return {}; }
    static Verdict Refuse(int message, EditField focus) { return {Kind::Refused, message, focus}; }
    static Verdict Question(int message, EditField focus) { return {Kind::Ask, message, focus}; }
    friend bool operator==(const Verdict&, const Verdict&) = default;
};

} // namespace zm
