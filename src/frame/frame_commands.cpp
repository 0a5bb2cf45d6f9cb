#include "frame/frame_commands.h"

namespace zm {

FrameCommand ClassifyCommand(uint32_t id, size_t typeCount, size_t quickCount) {
    if (id >= kCmdFirstQuick && id <= kCmdLastQuick) {
        const size_t index = id - kCmdFirstQuick;
        if (index >= quickCount) return {};
        return {FrameAction::QuickReminder, index};
    }
    if (id >= kCmdFirstNewOfType && id <= kCmdLastNewOfType) {
        const size_t index = id - kCmdFirstNewOfType;
        if (index >= typeCount) return {};
        return {FrameAction::NewOfType, index};
    }
    switch (id) {
    case kCmdRestore:
        return {FrameAction::Restore};
    case kCmdCustomizeQuick:
        return {FrameAction::CustomizeQuick};
    case kCmdWebPage:
        return {FrameAction::WebPage};
    case kCmdPreferences:
        return {FrameAction::Preferences};
    case kCmdToggleReminders:
        return {FrameAction::ToggleReminders};
    case kCmdStopwatch:
        return {FrameAction::Stopwatch};
    case kCmdCustomizeTypes:
        return {FrameAction::CustomizeTypes};
    case kCmdCountdown:
        return {FrameAction::Countdown};
    case kCmdSoundOff:
        return {FrameAction::SoundOff};
    case kCmdSoundOn:
        return {FrameAction::SoundOn};
    case kCmdAbout:
        return {FrameAction::About};
    case kCmdExit:
        return {FrameAction::Exit};
    case kCmdHelpTopics:
        return {FrameAction::HelpTopics};
    default:
        return {};
    }
}

bool DisabledWhileDialogOpen(FrameAction action) {
    switch (action) {
    case FrameAction::Restore:
    case FrameAction::About:
    case FrameAction::Preferences:
    case FrameAction::CustomizeTypes:
    case FrameAction::CustomizeQuick:
    case FrameAction::NewOfType:
        return true;
    default:
        return false;
    }
}

} // namespace zm
