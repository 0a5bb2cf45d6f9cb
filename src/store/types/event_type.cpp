#include "store/types/event_type.h"

namespace zm {

EventType NewEventType(const SystemColours& colours) {
    EventType t;
    t.textColour = colours.windowText;
    t.backColour = colours.buttonFace;
    return t;
}

} // namespace zm
