#pragma once
// Waiting for the desktop's tray at start. A program started with the session may come before
// the panel that holds the tray: it looks for the tray now and then, shows its icon once the
// tray is there, and after the limit opens the main window so that it stays reachable; it keeps
// looking afterwards, less often, and shows the icon whenever the tray comes.

#include <chrono>

namespace zm {

inline constexpr std::chrono::milliseconds kTrayWaitLimit{60000};
// How often the tray is looked for while waiting, and after the limit.
inline constexpr std::chrono::milliseconds kTrayLookWhileWaiting{500};
inline constexpr std::chrono::milliseconds kTrayLookAfterLimit{5000};

class TrayWait {
public:
    enum class Step {
        Wait,           // look again after NextLookIn()
        ShowIcon,       // the tray is there: show the icon; the wait is over
        OpenMainWindow, // the limit passed without a tray: the main window keeps the program
                        // reachable; keep looking
        Done,           // the icon is shown; nothing more to do
    };

    explicit TrayWait(std::chrono::milliseconds limit = kTrayWaitLimit) : limit_(limit) {}

    // One look, at the given time since the start: whether a tray is there now.
    Step Look(std::chrono::milliseconds sinceStart, bool trayThere);
    std::chrono::milliseconds NextLookIn() const;
    bool IconShown() const { return iconShown_; }

private:
    std::chrono::milliseconds limit_;
    bool iconShown_ = false;
    bool fellBack_ = false;
};

} // namespace zm
