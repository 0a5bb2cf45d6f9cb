#pragma once
// An event type: the look, sound and new-event defaults shared by the events that name it.

#include "model/time_amount.h"
#include "res/icon_image.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace zm {

// Bits of EventType::Flags.
enum TypeFlag : uint32_t {
    kTypeInFilter = 0x01,       // named by the active filter; run time only
    kTypeCustomColours = 0x02,  // the reminder window uses TextColour and BackColour
    kTypeCustomFont = 0x04,     // the reminder window uses Font
    kTypeFixedStartTime = 0x08, // new events start at StartTime
    kTypeYearly = 0x10,         // new events recur yearly
    kTypeSkipWhenOver = 0x40,   // new events skip a reminder when the time is over
};

inline constexpr size_t kMaxTypes = 50;
inline constexpr size_t kMaxTypeNameLength = 64;
inline constexpr int kSmallIconSize = 16;
inline constexpr int kLargeIconSize = 32;

// The platform's 60-byte logical font description (LOGFONT, ANSI character set), kept as bytes.
using LogFontBytes = std::array<uint8_t, 60>;

// The system colours a new type takes for its reminder window (0x00BBGGRR).
struct SystemColours {
    uint32_t windowText = 0x000000;
    uint32_t buttonFace = 0xF0F0F0;
};

struct EventType {
    uint32_t flags = 0;
    uint32_t colour = 0; // 0x00BBGGRR
    TimeAmount duration = kDefaultDuration;
    TimeAmount advance = kDefaultAdvance;
    uint32_t sound = 0; // as EventRecord::Sound
    std::string name;
    std::string soundFile;
    uint32_t textColour = 0x000000;
    uint32_t backColour = 0xF0F0F0;
    LogFontBytes font{};
    uint32_t startTime = 0;   // hours in bits 16-31, minutes in bits 0-15
    uint32_t soundPause = 30; // minutes in bits 16-31, seconds in bits 0-15

    bool Has(uint32_t flag) const { return (flags & flag) != 0; }
    friend bool operator==(const EventType&, const EventType&) = default;
};

// A type with the defaults of a new one.
EventType NewEventType(const SystemColours& colours);

// A filter: the types whose events the event list shows while it is active.
inline constexpr uint32_t kFilterShowAccepted = 1;
inline constexpr size_t kMaxFilters = 50;

struct TypeFilter {
    uint32_t options = 0;
    std::string name;
    std::vector<std::string> typeNames;
    friend bool operator==(const TypeFilter&, const TypeFilter&) = default;
};

// What stands in for every event whose type name matches no type.
struct UndefinedType {
    uint32_t colour = 0x004080FF;
    uint32_t sound = 0x00010001;      // default beep, repeated
    uint32_t soundPause = 0x00010000; // 1 min 0 s
    std::string soundFile;
    IconImage smallIcon;
    IconImage largeIcon;
};

} // namespace zm
