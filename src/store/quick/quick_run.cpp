#include "store/quick/quick_run.h"

namespace zm {

EventRecord RunQuickReminder(const QuickReminder& quick, const TypeList& types, DateTime now) {
    EventRecord e = EventRecord::NewEvent(now);
    e.typeName = quick.typeName;
    e.name = quick.eventName;
    e.start = now + quick.offset.ToSpan();
    e.snoozeUntil = e.start;
    e.advance = TimeAmount(0);
    e.flags |= kCustomSound | kHasSoundPause;
    e.sound = quick.sound;
    e.soundPause = quick.soundPause;
    e.soundFile = quick.soundFile;
    e.SetTypeIndex(types.FindType(e.typeName));
    return e;
}

} // namespace zm
