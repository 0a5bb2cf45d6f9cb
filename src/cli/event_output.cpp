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
    j["key"] = e.Key;
    j["id"] = e.Id;
    j["name"] = e.Name;
    j["notes"] = e.Notes;
    j["type"] = e.TypeName;
    j["typeIndex"] = e.TypeIndex;
    j["flags"] = e.Flags;
    j["pattern"] = e.Pattern;
    j["param"] = e.PatternParam;
    j["advance"] = e.Advance.word;
    j["duration"] = e.Duration.word;
    j["start"] = IsoInstant(e.Start);
    j["snoozeUntil"] = IsoInstant(e.SnoozeUntil);
    j["lastShown"] = IsoInstant(e.LastShown);
    j["end"] = IsoInstant(e.End);
    j["snoozeChoice"] = e.SnoozeChoice.word;
    j["sound"] = e.Sound;
    j["soundPause"] = e.SoundPause;
    j["soundFile"] = e.SoundFile;
    j["windowSize"] = e.WindowSize;
    j["description"] = DescribePattern(e, names);
    return j;
}

std::string DisplayInstant(DateTime t, const LocaleFormats& formats) {
    return formats.FormatShortDate(t) + " " + formats.FormatShortTime(t);
}

std::string EventSummaryLine(const EventRecord& e, const LocaleFormats& formats,
                             const LocaleNames& names) {
    std::ostringstream line;
    line << std::right << std::setw(5) << e.Key << "  " << DisplayInstant(e.Start, formats) << "  "
         << e.Name;
    if (!e.TypeName.empty()) line << " [" << e.TypeName << "]";
    const std::string pattern = DescribePattern(e, names);
    if (!pattern.empty()) line << "  " << pattern;
    const std::string state = StateText(e);
    if (!state.empty()) line << "  (" << state << ")";
    return line.str();
}

void WriteEventDetails(std::ostream& out, const EventRecord& e, DateTime now,
                       const LocaleFormats& formats, const LocaleNames& names) {
    out << e.Name << '\n';
    Line(out, IDS_CLI_LABEL_KEY, std::to_string(e.Key));
    Line(out, IDS_CLI_LABEL_ID, std::to_string(e.Id));
    Line(out, IDS_INFO_TYPE, e.TypeName);
    Line(out, IDS_INFO_START, DisplayInstant(e.Start, formats));
    Line(out, IDS_CLI_LABEL_DURATION, DescribeAmount(e.Duration));
    Line(out, IDS_INFO_REMIND,
         DescribeAmount(e.Advance.Unit(), e.Advance.Count() | TimeAmount::kBeforeStart));

    // The properties page's rules for the previous and next reminder and the snooze line.
    const bool previousShown = e.Has(kShown) && (e.LastShown >= e.Start || e.Has(kSnoozed));
    Line(out, IDS_INFO_PREVIOUS_REMINDER,
         previousShown ? DisplayInstant(e.LastShown, formats) : std::string());
    const NextReminderInfo next = e.NextReminder(now);
    Line(out, IDS_INFO_NEXT_REMINDER,
         next.kind == NextReminderInfo::Kind::Instant
             ? DisplayInstant(next.instant, formats)
             : std::string(LoadString(NeverReminderMessage(next.kind))));
    if (!e.Has(kAccepted) && e.Has(kSnoozed))
        Line(out, IDS_INFO_SNOOZED, DescribeAmount(e.SnoozeChoice));
    if (!e.Has(kAccepted) && e.IsRecurring()) {
        Line(out, IDS_INFO_RECURRENCE, DescribePattern(e, names));
        if (e.Has(kHasEnd)) Line(out, IDS_CLI_LABEL_ENDS, DisplayInstant(e.End, formats));
    }
    const std::string state = StateText(e);
    if (!state.empty()) Line(out, IDS_CLI_LABEL_STATE, state);
    if (!e.Notes.empty()) Line(out, IDS_CLI_LABEL_NOTES, e.Notes);
}

} // namespace zm
