#pragma once
// What the floating clock and its tooltip are given by the running program.

#include "format/locale_formats.h"
#include "platform/clock.h"
#include "platform/locale_formatter.h"
#include "platform/program_settings.h"
#include "platform/sound_backend.h"
#include "platform/work_area.h"
#include "store/event_store.h"
#include "store/types/type_list.h"

namespace zm {

struct ClockEnvironment {
    const EventStore& store; // now, the pending list and the week settings
    const TypeList& types;
    const LocaleFormats& formats;
    const LocaleFormatter& formatter;
    const Clock& clock;             // the time-zone name and the beat of the clock's text
    const ProgramSettings& options; // the reminder sound; the week numbering
    SoundBackend& sound;
    const WorkArea& workArea;
    bool rightToLeft = false;
};

} // namespace zm
