#include "reminder/reminder_lifecycle.h"

namespace zm {

bool ReminderLifecycle::EndAction() {
    --actions_;
    if (actions_ > 0 || dismissed_) return false;
    return closeAfter_ || closePending_;
}

void ReminderLifecycle::EndStoreCall(bool dealtWith) {
    inStoreCall_ = false;
    if (dealtWith) closeAfter_ = true;
}

ReminderNotice ReminderLifecycle::NoticeFor(const StoreChange& change, uint16_t key) const {
    if (dismissed_) return ReminderNotice::None;
    if (change.kind == StoreChangeKind::Reset) {
        switch (change.cause) {
        case ResetCause::Opened:
        case ResetCause::Converted:
        case ResetCause::Closed:
            return ReminderNotice::Close; // another library, or none
        case ResetCause::TypesChanged:
            return ReminderNotice::Restyle;
        default:
            return ReminderNotice::None;
        }
    }
    if (change.oldKey == 0 || change.oldKey != key || inStoreCall_) return ReminderNotice::None;
    switch (change.kind) {
    case StoreChangeKind::Accepted:
    case StoreChangeKind::Snoozed:
    case StoreChangeKind::Unsnoozed:
    case StoreChangeKind::Deleted:
    case StoreChangeKind::Purged:
        return ReminderNotice::Close; // elsewhere: the companion, the event list
    default:
        break;
    }
    if (change.closesReminderWindow) return ReminderNotice::Close;
    return change.MovesKey() ? ReminderNotice::FollowKey : ReminderNotice::None;
}

bool ReminderLifecycle::AskClose() {
    if (actions_ > 0) {
        closePending_ = true;
        return false;
    }
    return true;
}

bool ReminderLifecycle::Dismiss() {
    if (dismissed_) return false;
    dismissed_ = true;
    return true;
}

} // namespace zm
