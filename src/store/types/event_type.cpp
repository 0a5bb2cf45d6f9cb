#include "store/types/event_type.h"

namespace zm {

EventType NewEventType(const SystemColours& colours) {
    EventType t;
    t.TextColour = colours.windowText;
    t.BackColour = colours.buttonFace;
    return t;
}

} // namespace zm
