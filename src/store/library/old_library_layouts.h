#pragma once
// The events and quick reminders of libraries written by older versions of the program, which
// are read only to convert or import them.
//
// Versions 0x00020002 ... 0x00020004 keep the current header, index and blocks, but an older
// event layout (offsets from the start of the record; texts in the current string form):
//
//   0 record magic "OBJ\3"   4 total length       8 flags            12 not used
//  16 type code             20 advance unit      24 advance count   28 pattern
//  32 pattern parameter     36 Start             44 SnoozeUntil     52 LastShown
//  60 snooze choice (0x00020002: a snooze code)  64 Sound
//  68 0x00020004: duration unit, 72 duration count; otherwise reserved up to 124
// 124 Name, Notes, SoundFile
//
// Index entry 0 of such a file names the first block of a chain that holds the quick
// reminders instead of an event.
//
// The first format (0x00010001) has no index: a 1024-byte bitmap of used blocks at 256, a
// table of 16 quick reminders of 208 bytes at 1280, and one-block events of 256 bytes, block n
// at 256 (n + 17).

#include "model/event_record.h"
#include "store/io/memory_stream.h"
#include "store/library/old_quick_reminder.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zm {

namespace oldfmt {
inline constexpr size_t kTextsAt = 124;
inline constexpr uint32_t kQuickRecordMagic = 0x014D5343;
inline constexpr uint32_t kQuickEntryMagic = 0x024F5343;

inline constexpr uint64_t kBitmapAt = 256;
inline constexpr size_t kBitmapSize = 1024;
inline constexpr uint64_t kQuickTableAt = 1280;
inline constexpr size_t kQuickTableEntries = 16;
inline constexpr size_t kQuickTableEntrySize = 208;
inline constexpr size_t kQuickTableSize = kQuickTableEntries * kQuickTableEntrySize;
inline constexpr int kFirstFormatBlocks = 8192; // blocks 1 ... 8191
inline constexpr size_t kFirstFormatBlockSize = 256;
inline constexpr uint32_t kFirstFormatEventMark = 0xFFFFFFFF;

constexpr uint64_t FirstFormatBlockOffset(int block) {
    return 256 * (static_cast<uint64_t>(block) + 17);
}
} // namespace oldfmt

// The type name of an old type code: 1 "Anniversary", 2 "Birthday", 3 "Call", 4 "Holiday",
// 5 "Meeting", any other "Alarm".
const char* OldTypeName(uint32_t code);
// The snooze choice of a snooze code of 0x00020002 (1 ... 12; any other gives 5 minutes).
TimeAmount OldSnoozeChoice(uint32_t code);

// Reads an event of the versions 0x00020002 ... 0x00020004 from the bytes of its chain into a
// blank record with Id 0. False for a wrong magic, a length larger than the bytes read, or a
// field that runs past the end.
bool ReadOldLayoutEvent(MemoryStream& in, uint32_t version, EventRecord& out);

// The quick reminders of the record that index entry 0 names. Reading ends quietly at a wrong
// magic or a short record; what was read before is kept.
std::vector<OldQuickReminder> ReadOldQuickRecord(MemoryStream& in);

// Whether a block of the first format holds an event (its first word is 0xFFFFFFFF).
bool IsFirstFormatEvent(const unsigned char* block);
// The event in a block of the first format.
EventRecord ReadFirstFormatEvent(const unsigned char* block);
// The quick reminders of the table of the first format (kQuickTableSize bytes); the table ends
// at the first entry that is not in use.
std::vector<OldQuickReminder> ReadFirstFormatQuickTable(const unsigned char* table);

} // namespace zm
