#pragma once
// The questions the event store asks the user, and where the quick reminders of a converted
// library go. The program implements these; what the store tells after a change is in
// store_change.h.

#include "model/event_record.h"
#include "model/time_amount.h"
#include "store/library/old_quick_reminder.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zm {

// The boxes the store shows and the questions it asks while it opens, converts or checks the
// library.
class StorePrompts {
public:
    virtual ~StorePrompts() = default;
    // An error box about a file or folder (error icon, top-most, owned by the main frame).
    virtual void ShowFileError(const std::string& text) = 0;
    // The missing library has just been made (the first start): an information box, shown only
    // by the start that made it.
    virtual void TellLibraryCreated(const std::string& text) { ShowFileError(text); }
    // The conversion question (warning icon, OK and Cancel): true for OK.
    virtual bool ConfirmConversion(const std::string& text) = 0;
    // The question whether to correct reminders stamped in the future (58053 with the
    // caption 58054, exclamation icon, Yes and No): true for Yes.
    virtual bool ConfirmFutureStampCorrection() = 0;
};

} // namespace zm
