#include "store/library/old_library_layouts.h"

#include "res/strings.h"
#include "store/io/byte_order.h"
#include "store/library/event_serializer.h"
#include "store/library/library_format.h"
#include "store/text/text_codec.h"

#include <cmath>
#include <cstring>

namespace zm {
namespace {

// Flag bits with a meaning; old files may carry others.
constexpr uint32_t kKnownFlags = kSnoozed | kRecurring | kShown | kAccepted | kCustomSound |
                                 kSkipWhenOver | kHasWindowSize | kHasSoundPause | kHasEnd |
                                 kDisabled | kAge;

constexpr TimeAmount kOneDay{0x00020001};


// A zero-terminated text in a fixed field of `size` bytes.
std::string FixedText(const unsigned char* field, size_t size) {
    const void* zero = std::memchr(field, 0, size);
    const size_t length =
        zero ? static_cast<size_t>(static_cast<const unsigned char*>(zero) - field) : size;
    return DecodeFileText(std::string(reinterpret_cast<const char*>(field), length));
}

bool IsDatedType(uint32_t code) {
    return code == 1 || code == 2; // anniversaries and birthdays last the whole day
}

// Old records carry no end date, window size or sound pause: flags that would point at one are
// dropped (an end date of zero would silence a recurring event for good). Recurring follows the
// pattern, and only a one-time event can be accepted.
void SettleOldFlags(EventRecord& e) {
    e.Flags &= kKnownFlags & ~(kHasEnd | kHasWindowSize | kHasSoundPause);
    e.SetFlag(kRecurring, e.Kind() != 0);
    if (e.IsRecurring()) e.SetFlag(kAccepted, false);
}

void SetFirstFormatPattern(EventRecord& e, uint32_t code) {
    switch (code) {
    case 1:
        e.SetPattern(kFormByDate | kKindDaily, 1);
        break;
    case 2:
        e.SetPattern(kFormByDate | kKindWeekly | WeekdayBit(e.Start.DayOfWeek()), 1);
        break;
    case 3:
        e.SetPattern(kFormByDate | kKindMonthly, static_cast<uint32_t>(e.Start.Day()) * 65536 + 1);
        break;
    case 4:
        e.SetPattern(kFormByDate | kKindYearly, 1);
        break;
    default:
        break;
    }
}

} // namespace

const char* OldTypeName(uint32_t code) {
    switch (code) {
    case 1:
        return LoadString(IDS_TYPE_ANNIVERSARY);
    case 2:
        return LoadString(IDS_TYPE_BIRTHDAY);
    case 3:
        return LoadString(IDS_TYPE_CALL);
    case 4:
        return LoadString(IDS_TYPE_HOLIDAY);
    case 5:
        return LoadString(IDS_TYPE_MEETING);
    default:
        return LoadString(IDS_TYPE_ALARM);
    }
}

TimeAmount OldSnoozeChoice(uint32_t code) {
    static constexpr uint32_t kChoices[] = {10,         15,         30,         0x00010001,
                                            0x00010002, 0x00010004, 0x00010008, 0x00020001,
                                            0x00020002, 0x00020003, 0x00020004, 0x00030001};
    if (code >= 1 && code <= 12) return TimeAmount(kChoices[code - 1]);
    return kDefaultSnoozeChoice;
}

bool ReadOldLayoutEvent(MemoryStream& in, uint32_t version, EventRecord& out) {
    in.rewind();
    EventRecord e;
    uint32_t magic, length, flags, unused, typeCode, unit, count, pattern, param, word;
    if (!in.readU32(magic) || magic != eventfmt::kRecordMagic) return false;
    if (!in.readU32(length) || length > in.length()) return false;
    if (!in.readU32(flags) || !in.readU32(unused) || !in.readU32(typeCode)) return false;
    e.Flags |= flags;
    e.TypeName = OldTypeName(typeCode);
    if (version != libfmt::kVersion20004 && IsDatedType(typeCode)) e.Duration = kOneDay;
    if (!in.readU32(unit) || !in.readU32(count)) return false;
    e.Advance = TimeAmount((unit << 16) | (count & 0xFFFF));
    if (!in.readU32(pattern) || !in.readU32(param)) return false;
    if (pattern != 0) e.SetPattern(pattern, param);
    if (!ReadDate(in, e.Start) || !ReadDate(in, e.SnoozeUntil) || !ReadDate(in, e.LastShown))
        return false;
    if (!in.readU32(word)) return false;
    e.SnoozeChoice = version == libfmt::kVersion20002 ? OldSnoozeChoice(word) : TimeAmount(word);
    if (!in.readU32(e.Sound)) return false;
    if (version == libfmt::kVersion20004) {
        if (!in.readU32(unit) || !in.readU32(count)) return false;
        e.Duration = TimeAmount((unit << 16) | (count & 0xFFFF));
    }
    if (!in.skip(oldfmt::kTextsAt - in.cursor())) return false;
    if (!ReadText(in, e.Name) || !ReadText(in, e.Notes) || !ReadText(in, e.SoundFile)) return false;
    SettleOldFlags(e);
    out = std::move(e);
    return true;
}

std::vector<OldQuickReminder> ReadOldQuickRecord(MemoryStream& in) {
    std::vector<OldQuickReminder> found;
    in.rewind();
    uint32_t magic, length, count;
    if (!in.readU32(magic) || magic != oldfmt::kQuickRecordMagic) return found;
    if (!in.readU32(length) || length > in.length() || !in.readU32(count)) return found;
    // Each entry takes at least 28 bytes, so a count larger than the data ends at the data.
    for (uint32_t i = 0; i < count; ++i) {
        const size_t start = in.cursor();
        uint32_t unit, amount;
        OldQuickReminder q;
        std::string unused;
        if (!in.readU32(magic) || magic != oldfmt::kQuickEntryMagic) break;
        if (!in.readU32(length) || length > in.length() - start) break;
        if (!in.readU32(unit) || !in.readU32(amount)) break;
        if (!ReadText(in, q.menuName) || !ReadText(in, q.eventName) || !in.readString(unused))
            break;
        q.offset = TimeAmount((unit << 16) | (amount & 0xFFFF));
        found.push_back(std::move(q));
    }
    return found;
}

bool IsFirstFormatEvent(const unsigned char* block) {
    return GetLe32(block) == oldfmt::kFirstFormatEventMark;
}

EventRecord ReadFirstFormatEvent(const unsigned char* block) {
    EventRecord e;
    e.Flags |= GetLe32(block + 4);
    e.Start = DateFromFile(DoubleFromBits(GetLe64(block + 8)));
    e.SnoozeUntil = DateFromFile(DoubleFromBits(GetLe64(block + 16)));
    e.LastShown = DateFromFile(DoubleFromBits(GetLe64(block + 24)));
    const uint32_t typeCode = GetLe32(block + 36);
    e.TypeName = OldTypeName(typeCode);
    if (IsDatedType(typeCode)) e.Duration = kOneDay;
    SetFirstFormatPattern(e, GetLe32(block + 40));
    e.Name = FixedText(block + 128, oldfmt::kFirstFormatBlockSize - 128);
    e.Notes = e.Name;
    SettleOldFlags(e);
    return e;
}

std::vector<OldQuickReminder> ReadFirstFormatQuickTable(const unsigned char* table) {
    std::vector<OldQuickReminder> found;
    for (size_t i = 0; i < oldfmt::kQuickTableEntries; ++i) {
        const unsigned char* entry = table + i * oldfmt::kQuickTableEntrySize;
        if (GetLe32(entry) == 0) break;
        const uint32_t unit = GetLe32(entry + 4);
        const double days = DoubleFromBits(GetLe64(entry + 8));
        // The delay in the entry's unit. A delay that is not a sensible length of time cannot
        // be taken over.
        static constexpr double kUnitsPerDay[] = {1440.0, 24.0, 1.0};
        if (unit > 2 || !std::isfinite(days) || days < 0) continue;
        const double amount = std::floor(days * kUnitsPerDay[unit] + 1e-6);
        if (amount > TimeAmount::kMaxCount) continue;
        OldQuickReminder q;
        q.menuName = FixedText(entry + 16, 64);
        q.eventName = FixedText(entry + 80, 128);
        q.offset = TimeAmount::Of(unit, static_cast<uint32_t>(amount));
        found.push_back(std::move(q));
    }
    return found;
}

} // namespace zm
