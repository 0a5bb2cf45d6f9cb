#pragma once
// The stored form of one event: a fixed part of 108 bytes, then the name, the notes, the sound
// file and the type name, each as a 32-bit count (text length + 1), the bytes and a zero.
//
//   0 record magic "OBJ\3"     4 total length       8 Flags        12 Advance
//  16 Pattern                 20 PatternParam      24 Start       32 SnoozeUntil
//  40 LastShown               48 SnoozeChoice      52 Sound       56 Duration
//  60 WindowSize              64 SoundPause        68 End         76 Id
//  80 28 reserved bytes (zero)                    108 Name, Notes, SoundFile, TypeName
//
// Dates are OLE day numbers (8-byte doubles). Texts are written as UTF-8.

#include "model/event_record.h"
#include "store/io/memory_stream.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace zm {

namespace eventfmt {
inline constexpr uint32_t kRecordMagic = 0x034A424F;
inline constexpr size_t kLengthAt = 4;
inline constexpr size_t kIdAt = 76;
inline constexpr size_t kReservedAt = 80;
inline constexpr size_t kReservedSize = 28;
inline constexpr size_t kTextsAt = 108;
inline constexpr size_t kEmptyEventSize = 128;
} // namespace eventfmt

// The length of the stored form: 128 plus the byte lengths of the four texts.
size_t SerializedSize(const EventRecord& event);

// A stored day number as an instant; one that is not finite or outside years 100 to 9999 reads
// as the zero instant rather than making the event unreadable.
DateTime DateFromFile(double days);
// A stored day number, and a stored text (UTF-8, or Windows-1252 when it is not valid UTF-8);
// false when the stream holds too few bytes.
bool ReadDate(MemoryStream& in, DateTime& d);
bool ReadText(MemoryStream& in, std::string& text);

// Appends the stored form of the event to the stream. May throw std::bad_alloc.
void SerializeEvent(const EventRecord& event, MemoryStream& out);

// Reads an event in the stored form from the start of the stream (which holds the event's
// whole chain of blocks). False when the record magic is wrong, the stored length is more than
// the stream holds, or a field runs past the end. On success every stored field of `event` is
// set; its Key, TypeIndex and ListOccurrence are left as they were. On failure `event` is
// unchanged. Texts that are not valid UTF-8 are read as Windows-1252. A stored date that is
// not a usable day number reads as the zero instant.
bool DeserializeEvent(MemoryStream& in, EventRecord& event);

// The id of a newly added event: the CRC over its stored form (with id 0), then the instant of
// adding as an OLE day number (8 bytes), then the millisecond tick count (4 bytes).
uint32_t ComputeEventId(const unsigned char* stored, size_t length, DateTime now, uint32_t tick);

} // namespace zm
