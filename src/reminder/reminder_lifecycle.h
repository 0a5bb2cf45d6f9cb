#pragma once
// The life of a reminder window from its opening to its closing. The window closes once its
// event is dealt with: by one of its own actions (Accept, Snooze, Delete, the time being over)
// or elsewhere (the companion, the event list, another library), which the store's notices tell
// it. While an action runs, and maybe waits for a box, a close asked by the notices only marks
// the window: the action ends first and the window closes then. Once the set has dismissed the
// window nothing acts on it any more.

#include "store/store_change.h"

#include <cstdint>

namespace zm {

// What a notice of the store means for a reminder window.
enum class ReminderNotice : uint8_t {
    None,      // not about the window's event, or the window's own change
    Close,     // the event was dealt with elsewhere, or the window's key means nothing any more
    FollowKey, // the event moved to another key
    Restyle,   // the type list was replaced: the event's type name may stand for another type
};

class ReminderLifecycle {
public:
    // Whether a button or the time being over may start an action: not while one runs, nor once
    // the window is dismissed.
    bool MayAct() const { return !dismissed_ && actions_ == 0; }
    bool Dismissed() const { return dismissed_; }
    // The store's notices asked for the close while an action ran.
    bool ClosePending() const { return closePending_; }

    void BeginAction() { ++actions_; }
    // The end of an action: true when the window closes now, because the action dealt with the
    // event or a notice asked for the close meanwhile.
    [[nodiscard]] bool EndAction();

    // The window's own call to the store: its notices are no news to the window. `dealtWith`
    // when the call dealt with the event, so the window closes as the action ends.
    void BeginStoreCall() { inStoreCall_ = true; }
    void EndStoreCall(bool dealtWith);

    // What `change` means for the window of `key`.
    ReminderNotice NoticeFor(const StoreChange& change, uint16_t key) const;
    // The store's notices close the window: true when it closes now; during an action the close
    // waits for the action's end.
    [[nodiscard]] bool AskClose();
    // The set closes the window: true the first time.
    [[nodiscard]] bool Dismiss();

private:
    int actions_ = 0;
    bool inStoreCall_ = false;
    bool closePending_ = false; // the store's notices closed the window during an action
    bool closeAfter_ = false;   // the action dealt with the event
    bool dismissed_ = false;
};

} // namespace zm
