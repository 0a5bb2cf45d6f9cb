#pragma once
// The commands of the resident frame: the tray menu's items, the shortcut keys and the requests
// of other windows all arrive as one of these numbers, and each number means one action.

#include <cstddef>
#include <cstdint>

namespace zm {

enum FrameCommandId : uint32_t {
    kCmdRestore = 32772,
    kCmdCustomizeQuick = 32813,
    kCmdFirstQuick = 32814, // ... 32838, one per quick reminder
    kCmdLastQuick = 32838,
    kCmdWebPage = 32841,
    kCmdPreferences = 32843,
    kCmdToggleReminders = 32847,
    kCmdStopwatch = 32852,
    kCmdCustomizeTypes = 32862,
    kCmdFirstNewOfType = 32863, // ... 32912, one per event type
    kCmdLastNewOfType = 32912,
    kCmdCountdown = 32974,
    kCmdSoundOff = 32977, // "&Disable"
    kCmdSoundOn = 32978,  // "&Enable"
    kCmdAbout = 57664,
    kCmdExit = 57665,
    kCmdHelpTopics = 57667,
};

enum class FrameAction : uint8_t {
    None, // not a frame command, or an entry beyond its list: ignored
    Restore,
    ToggleReminders,
    SoundOn,
    SoundOff,
    Stopwatch,
    Countdown,
    Preferences,
    CustomizeTypes,
    CustomizeQuick,
    NewOfType,     // index: the type
    QuickReminder, // index: the quick reminder
    WebPage,
    HelpTopics,
    About,
    Exit,
};

struct FrameCommand {
    FrameAction action = FrameAction::None;
    size_t index = 0;
    friend bool operator==(const FrameCommand&, const FrameCommand&) = default;
};

// What the command asks for, given how many event types and quick reminders there are.
FrameCommand ClassifyCommand(uint32_t id, size_t typeCount, size_t quickCount);

// The commands that open a dialog or the main window, or start a new event: while a program
// dialog is open they are greyed in the tray menu, and when they come anyway (a shortcut key,
// another window) they beep and bring that dialog forward instead.
bool DisabledWhileDialogOpen(FrameAction action);

} // namespace zm
