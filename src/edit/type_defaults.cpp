#include "edit/type_defaults.h"

namespace zm {

bool ApplyTypeDefaults(EventRecord& event, int typeIndex, const EventType* type) {
    if (type == nullptr) {
        event.SetTypeIndex(-1);
        return false;
    }
    event.SetTypeIndex(typeIndex);
    event.typeName = type->name;
    event.SetFlag(kSkipWhenOver, type->Has(kTypeSkipWhenOver));
    event.duration = type->duration;
    event.advance = type->advance;
    event.sound = type->sound;
    event.soundFile = type->soundFile;
    if (type->Has(kTypeFixedStartTime)) {
        const int64_t hour = type->startTime >> 16;
        const int64_t minute = type->startTime & 0xFFFF;
        event.start = event.start.Date() + DateTimeSpan::Hours(hour % 24) +
                      DateTimeSpan::Minutes(minute % 60);
    }
    if (type->Has(kTypeYearly) && !event.IsRecurring()) {
        event.SetPattern(kFormByDate | kKindYearly, 1);
        return true;
    }
    return false;
}

DateTime NextQuarterHour(DateTime after) {
    constexpr int64_t kQuarter = 15 * 60;
    const int64_t seconds = after.TotalSeconds();
    const int64_t floor = seconds - ((seconds % kQuarter) + kQuarter) % kQuarter;
    return DateTime::FromSeconds(floor + kQuarter);
}

EventRecord MakeNewEvent(const TypeList& types, int typeIndex, DateTime day, DateTime now) {
    if (typeIndex < 0 && types.TypeCount() > 0) typeIndex = 0;
    EventRecord event = EventRecord::NewEvent(now);
    event.start = NextQuarterHour(now);
    const EventType* type = types.TypeAt(typeIndex);
    ApplyTypeDefaults(event, typeIndex, type);
    event.start = day.Date().WithTimeOf(event.start);
    const bool fixedStart = type != nullptr && type->Has(kTypeFixedStartTime);
    if (!fixedStart && !event.IsRecurring() && day.Date() >= now.Date() &&
        event.start - event.AdvanceSpan() <= now)
        event.start = NextQuarterHour(now + event.AdvanceSpan());
    return event;
}

bool FilterHidesType(const TypeList& types, int typeIndex) {
    if (types.ActiveFilterName().empty()) return false;
    const EventType* type = types.TypeAt(typeIndex);
    return type != nullptr && !type->Has(kTypeInFilter);
}

} // namespace zm
