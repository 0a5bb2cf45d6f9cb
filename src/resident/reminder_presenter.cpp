#include "resident/reminder_presenter.h"

namespace zm {

const char* NameOf(PresentResult result) {
    switch (result) {
    case PresentResult::Shown:
        return "Shown";
    case PresentResult::CreationInProgress:
        return "CreationInProgress";
    case PresentResult::Failed:
        return "Failed";
    }
    return "?";
}

} // namespace zm
