#pragma once
// What OK on the preferences sheet reaches in the running program, the floating clock aside:
// the frame's shortcut keys and its scheduler, the store's week settings, the main window's
// fonts and rows, the open reminder windows' titles.

namespace zm {

struct PreferencesHooks;
struct WindowContext;
class MainFrame;
class ProgramWindows;
class UserBoxes;

// Joins the sheet's hooks to the parts; the program adds the clock's and the settings' own.
void LinkPreferences(PreferencesHooks& hooks, WindowContext& context, MainFrame& frame,
                     ProgramWindows& windows, UserBoxes& boxes);

} // namespace zm
