#pragma once
// What the reminder windows are given by the resident frame. Everything is the frame's and must
// outlive the window set; the settings are read each time they matter, so changes in the
// preferences apply to the next window (and "reminder sound" at once).

#include "format/locale_formats.h"
#include "platform/program_settings.h"
#include "platform/sound_backend.h"
#include "platform/work_area.h"
#include "store/event_store.h"
#include "store/types/type_list.h"
#include "ui/reminder/reminder_boxes.h"

#include <functional>

namespace zm {

struct ReminderEnvironment {
    EventStore& store;
    const TypeList& types;
    const ProgramSettings& settings;
    const LocaleFormats& formats;
    const WorkArea& workArea;
    SoundBackend& sound;
    ReminderBoxes& boxes;
    bool rightToLeft = false;
    // Opens the event editor on a stored event re-read for "Open..." (with the window's size
    // kept in it); `topMost` when the reminder window is. Empty until the editor exists: then
    // "Open..." sounds the exclamation beep.
    std::function<void(const EventRecord& event, bool topMost)> openEditor;
};

} // namespace zm
