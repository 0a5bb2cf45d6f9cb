#pragma once
// What the countdown and stopwatch windows are given by the running program. Everything
// outlives every timer window.

#include "format/locale_formats.h"
#include "model/date_time.h"
#include "platform/settings.h"
#include "platform/sound_backend.h"
#include "platform/work_area.h"
#include "timers/tick_counter.h"
#include "ui/common/user_boxes.h"

#include <functional>

namespace zm {

struct TimerEnvironment {
    Settings& settings; // the countdown sound
    const LocaleFormats& formats;
    const WorkArea& workArea;
    SoundBackend& sound;
    UserBoxes& boxes;
    const TickCounter& ticks;
    // The local time a countdown reports as its end.
    std::function<DateTime()> now = [] { return SystemNow(); };
};

} // namespace zm
