#include "store/quick/quick_run.h"

namespace zm {

EventRecord runQuickReminder(const QuickReminder& quick, const TypeList& types, DateTime now) {
    EventRecord e = EventRecord::NewEvent(now);
    e.TypeName = quick.TypeName;
    e.Name = quick.EventName;
    e.Start = now + quick.Offset.ToSpan();
    e.SnoozeUntil = e.Start;
    e.Advance = TimeAmount(0);
    e.Flags |= kCustomSound | kHasSoundPause;
    e.Sound = quick.Sound;
    e.SoundPause = quick.SoundPause;
    e.SoundFile = quick.SoundFile;
    e.SetTypeIndex(types.findType(e.TypeName));
    return e;
}

} // namespace zm
