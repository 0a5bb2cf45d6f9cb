#include "store/types/predefined_types.h"

namespace zm {

EventType RestoredPredefinedType(size_t i, const SystemColours& colours) {
    const PredefinedType& p = kPredefinedTypes[i];
    EventType t = NewEventType(colours);
    t.Name = p.name;
    t.Flags = p.flags;
    t.Colour = p.colour;
    t.Duration = TimeAmount(p.duration);
    t.Advance = TimeAmount(p.advance);
    t.Sound = kPredefinedTypeSound;
    return t;
}

EventType MakePredefinedType(size_t i, const SystemColours& colours) {
    EventType t = RestoredPredefinedType(i, colours);
    t.TextColour = kPredefinedTypes[i].textColour;
    t.BackColour = kPredefinedTypes[i].backColour;
    return t;
}

} // namespace zm
