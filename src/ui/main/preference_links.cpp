#include "ui/main/preference_links.h"

#include "model/week_settings.h"
#include "ui/common/user_boxes.h"
#include "ui/common/window_context.h"
#include "ui/frame/main_frame.h"
#include "ui/main/main_window.h"
#include "ui/main/program_windows.h"
#include "ui/preferences/preferences_hooks.h"
#include "ui/reminder/reminder_window_set.h"

namespace zm {

void LinkPreferences(PreferencesHooks& hooks, WindowContext& context, MainFrame& frame,
                     ProgramWindows& windows, UserBoxes& boxes) {
    hooks.installShortcutKeys = [&frame](const ShortcutKeyCodes& codes) {
        return InstallShortcutKeys(frame.Keys(), codes);
    };
    hooks.weekSettingsChanged = [&context, &boxes] {
        context.store.SetWeek(ReadWeekSettings(context.settings));
        if (const LibraryResult r = context.store.ReloadPending(); r != LibraryResult::Ok)
            boxes.ReportLibraryError(nullptr, r);
    };
    hooks.reminderTitleChanged = [&context] {
        if (context.reminders) context.reminders->RelayoutTitles();
    };
    hooks.fontsChanged = [&windows] {
        if (MainWindow* main = windows.Main()) main->ApplyFonts();
    };
    hooks.optionsChanged = [&frame, &windows] {
        frame.OptionsChanged();
        windows.OptionsChanged();
    };
}

} // namespace zm
