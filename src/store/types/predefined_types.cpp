#include "store/types/predefined_types.h"

namespace zm {

EventType RestoredPredefinedType(size_t i, const SystemColours& colours) {
    const PredefinedType& p = kPredefinedTypes[i];
    EventType t = NewEventType(colours);
    t.name = p.name;
    t.flags = p.flags;
    t.colour = p.colour;
    t.duration = TimeAmount(p.duration);
    t.advance = TimeAmount(p.advance);
    t.sound = kPredefinedTypeSound;
    return t;
}

EventType MakePredefinedType(size_t i, const SystemColours& colours) {
    EventType t = RestoredPredefinedType(i, colours);
    t.textColour = kPredefinedTypes[i].textColour;
    t.backColour = kPredefinedTypes[i].backColour;
    return t;
}

} // namespace zm
