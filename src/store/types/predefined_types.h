#pragma once
// The eleven event types the program starts with.

#include "model/time_amount.h"
#include "store/types/event_type.h"

#include <cstddef>
#include <iterator>

namespace zm {

struct PredefinedType {
    const char* name;
    uint32_t flags;
    uint32_t colour;
    uint32_t duration;
    uint32_t advance;
    uint32_t textColour;
    uint32_t backColour;
};

inline constexpr uint32_t kPredefinedTypeSound = 0x00010001; // default beep, repeated

// In the order of their icons in the predefined bitmaps (which is also name order).
inline constexpr PredefinedType kPredefinedTypes[] = {
    {"Alarm", 0x02, 0x6F6FE0, 0x1E, 0, 0xB0EFFF, 0x6F6FE0},
    {"Anniversary", 0x0A, 0x000080, 0x20001, 0x20001, 0x000080, 0x438CDE},
    {"Appointment", 0x02, 0x800000, 0x1E, 5, 0x800000, 0x77C092},
    {"Birthday", 0x1A, 0xFF00FF, 0x20001, 0x20001, 0xFFFFFF, 0xFF80FF},
    {"Call", 0x02, 0x0000FF, 0x1E, 5, 0x0000FF, 0xBCFFFF},
    {"Holiday", 0x0A, 0x000080, 0x20001, 0xA, 0x000080, 0x438CDE},
    {"Internet", 0x02, 0x808000, 0x1E, 5, 0x808040, 0xC0DCC0},
    {"Meeting", 0x02, 0x800000, 0x1E, 0xA, 0x800000, 0x77C092},
    {"Payment", 0x02, 0x408000, 0x1E, 0x20001, 0x008000, 0x34D4E0},
    {"Travel", 0x02, 0xFF0000, 0x1E, 0x20001, 0xFF0000, 0xE0E0E0},
    {"TV program", 0x02, 0xFF8000, 0x10001, 5, 0xB0EFFF, 0xFF9A66},
};
inline constexpr size_t kPredefinedTypeCount = std::size(kPredefinedTypes);

// Predefined type i as the program creates it when there is no types file: the table's
// values, the reminder window colours included; the other fields as a new type has them.
EventType MakePredefinedType(size_t i, const SystemColours& colours);

// Predefined type i as "Restore predefined types" brings it back: the table's flags, colour,
// duration, advance, sound and name; everything else, the reminder window colours included,
// as a new type has it.
EventType RestoredPredefinedType(size_t i, const SystemColours& colours);

} // namespace zm
