#include "cli/event_output.h"

#include "cli/iso_time.h"
#include "model/describe.h"
#include "res/format_text.h"
#include "res/strings.h"

#include <iomanip>
#include <sstream>
#include <vector>

namespace zm {
namespace {

// The state words of an event: disabled, accepted, snoozed.
std::string StateText(const EventRecord& e) {
    std::vector<int> words;
    if (e.Has(kDisabled)) words.push_back(IDS_CLI_STATE_DISABLED);
    if (e.Has(kAccepted)) words.push_back(IDS_CLI_STATE_ACCEPTED);
    if (e.Has(kSnoozed)) words.push_back(IDS_CLI_STATE_SNOOZED);
    std::string text;
    for (int id : words) {
        if (!text.empty()) text += ", ";
        text += LoadString(id);
    }
    return text;
}

void Line(std::ostream& out, int label, const std::string& value) {
    out << std::left << std::setw(20) << LoadString(label) << value << '\n';
}

} // namespace

Json EventJson(const EventRecord& e, const LocaleNames& names) {
    Json j;
    j["key"] = e.key;
    j["id"] = e.id;
    j["name"] = e.name;
    j["notes"] = e.notes;
    j["type"] = e.typeName;
    j["typeIndex"] = e.typeIndex;
    j["flags"] = e.flags;
    j["pattern"] = e.pattern;
    j["param"] = e.patternParam;
    j["advance"] = e.advance.word;
    j["duration"] = e.duration.word;
    j["start"] = IsoInstant(e.start);
    j["snoozeUntil"] = IsoInstant(e.snoozeUntil);
    j["lastShown"] = IsoInstant(e.lastShown);
    j["end"] = IsoInstant(e.end);
    j["snoozeChoice"] = e.snoozeChoice.word;
    j["sound"] = e.sound;
    j["soundPause"] = e.soundPause;
    j["soundFile"] = e.soundFile;
    j["windowSize"] = e.windowSize;
    j["description"] = DescribePattern(e, names);
    return j;
}

std::string DisplayInstant(DateTime t, const LocaleFormats& formats) {
    return formats.FormatShortDate(t) + " " + formats.FormatShortTime(t);
}

std::string IdArgument(uint32_t id) {
    return "id:" + std::to_string(id);
}

std::string EventSummaryLine(const EventRecord& e, const LocaleFormats& formats,
                             const LocaleNames& names) {
    std::ostringstream line;
    // The key, then the id (at most 13 characters), so that the columns stay in line.
    line << std::right << std::setw(5) << e.key << "  " << std::left << std::setw(13)
         << IdArgument(e.id) << "  " << DisplayInstant(e.start, formats) << "  " << e.name;
    if (!e.typeName.empty()) line << " [" << e.typeName << "]";
    const std::string pattern = DescribePattern(e, names);
    if (!pattern.empty()) line << "  " << pattern;
    const std::string state = StateText(e);
    if (!state.empty()) line << "  (" << state << ")";
    return line.str();
}

void WriteEventDetails(std::ostream& out, const EventRecord& e, DateTime now,
                       const LocaleFormats& formats, const LocaleNames& names) {
    out << e.name << '\n';
    Line(out, IDS_CLI_LABEL_KEY, std::to_string(e.key));
    Line(out, IDS_CLI_LABEL_ID, IdArgument(e.id));
    Line(out, IDS_INFO_TYPE, e.typeName);
    Line(out, IDS_INFO_START, DisplayInstant(e.start, formats));
    Line(out, IDS_CLI_LABEL_DURATION, DescribeAmount(e.duration));
    Line(out, IDS_INFO_REMIND,
         DescribeAmount(e.advance.Unit(), e.advance.Count() | TimeAmount::kBeforeStart));

    // The properties page's rules for the previous and next reminder and the snooze line.
    const bool previousShown = e.Has(kShown) && (e.lastShown >= e.start || e.Has(kSnoozed));
    Line(out, IDS_INFO_PREVIOUS_REMINDER,
         previousShown ? DisplayInstant(e.lastShown, formats) : std::string());
    const NextReminderInfo next = e.NextReminder(now);
    Line(out, IDS_INFO_NEXT_REMINDER,
         next.kind == NextReminderInfo::Kind::Instant
             ? DisplayInstant(next.instant, formats)
             : std::string(LoadString(NeverReminderMessage(next.kind))));
    if (!e.Has(kAccepted) && e.Has(kSnoozed))
        Line(out, IDS_INFO_SNOOZED, DescribeAmount(e.snoozeChoice));
    if (!e.Has(kAccepted) && e.IsRecurring()) {
        Line(out, IDS_INFO_RECURRENCE, DescribePattern(e, names));
        if (e.Has(kHasEnd)) Line(out, IDS_CLI_LABEL_ENDS, DisplayInstant(e.end, formats));
    }
    const std::string state = StateText(e);
    if (!state.empty()) Line(out, IDS_CLI_LABEL_STATE, state);
    if (!e.notes.empty()) Line(out, IDS_CLI_LABEL_NOTES, e.notes);
}

} // namespace zm
