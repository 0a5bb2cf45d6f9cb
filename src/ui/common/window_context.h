#pragma once
// What the program's windows (the main window, the editors, the filter dialogs, the calendar,
// the wizard) are given by the running program. Everything is the program's and outlives every
// window; windows read the store and learn of its changes only through its notices.

#include "format/locale_formats.h"
#include "platform/locale_names.h"
#include "platform/program_settings.h"
#include "platform/settings.h"
#include "platform/work_area.h"
#include "store/event_store.h"
#include "store/quick/quick_list.h"
#include "store/types/type_list.h"

#include <functional>

namespace zm {

class ReminderWindowSet;
class SoundBackend;

struct WindowContext {
    EventStore& store;
    TypeList& types;
    QuickList& quick;
    Settings& settings;
    ProgramSettings& options;
    const LocaleFormats& formats;
    const LocaleNames& names;
    const WorkArea& workArea;
    SoundBackend& sound;
    // The reminder windows: the editor's size preview, and their controls held around boxes.
    ReminderWindowSet* reminders = nullptr;
    bool rightToLeft = false;
    // A change of the types file or of the filters is kept at once (false: the write failed,
    // the caller tells the user).
    std::function<bool()> saveTypes;
    // The quick reminders are kept in their file (false: the write failed, the caller tells
    // the user).
    std::function<bool()> saveQuick;
};

} // namespace zm
