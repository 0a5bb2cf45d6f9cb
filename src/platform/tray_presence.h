#pragma once
// Whether the desktop offers a tray for the program's icon right now: a status-notifier host on
// the session bus, or an X11 tray (the owner of the screen's tray selection).

namespace zm {

class TrayPresence {
public:
    virtual ~TrayPresence() = default;
    virtual bool TrayThere() = 0;
};

} // namespace zm
