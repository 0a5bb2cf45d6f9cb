#include "store/library/old_library_layouts.h"

#include "platform/byte_order.h"
#include "res/strings.h"
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

constexpr TimeAmount kOneDay = TimeAmount::Of(AmountUnit::Day, 1);

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
    e.flags &= kKnownFlags & ~(kHasEnd | kHasWindowSize | kHasSoundPause);
    e.SetFlag(kRecurring, e.Kind() != 0);
    if (e.IsRecurring()) e.SetFlag(kAccepted, false);
}

void SetFirstFormatPattern(EventRecord& e, uint32_t code) {
    switch (code) {
    case 1:
        e.SetPattern(kFormByDate | kKindDaily, 1);
        break;
    case 2:
        e.SetPattern(kFormByDate | kKindWeekly | WeekdayBit(e.start.DayOfWeek()), 1);
        break;
    case 3:
        e.SetPattern(kFormByDate | kKindMonthly,
                     PatternParamOf(static_cast<uint32_t>(e.start.Day()), 1));
        break;
    case 4:
        e.SetPattern(kFormByDate | kKindYearly, 1);
        break;
    default:
        break;
    }
}

// An amount from the unit and count words of an old file, the unit taken as it is stored.
TimeAmount AmountOfWords(uint32_t unit, uint32_t count) {
    return TimeAmount::Of(static_cast<AmountUnit>(unit), count);
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
    using enum AmountUnit;
    static constexpr TimeAmount kChoices[] = {
        TimeAmount::Of(Minute, 10), TimeAmount::Of(Minute, 15), TimeAmount::Of(Minute, 30),
        TimeAmount::Of(Hour, 1),    TimeAmount::Of(Hour, 2),    TimeAmount::Of(Hour, 4),
        TimeAmount::Of(Hour, 8),    TimeAmount::Of(Day, 1),     TimeAmount::Of(Day, 2),
        TimeAmount::Of(Day, 3),     TimeAmount::Of(Day, 4),     TimeAmount::Of(Week, 1)};
    if (code >= 1 && code <= 12) return kChoices[code - 1];
    return kDefaultSnoozeChoice;
}

bool ReadOldLayoutEvent(MemoryStream& in, uint32_t version, EventRecord& out) {
    in.Rewind();
    EventRecord e;
    uint32_t magic, length, flags, unused, typeCode, unit, count, pattern, param, word;
    if (!in.ReadU32(magic) || magic != eventfmt::kRecordMagic) return false;
    if (!in.ReadU32(length) || length > in.Length()) return false;
    if (!in.ReadU32(flags) || !in.ReadU32(unused) || !in.ReadU32(typeCode)) return false;
    e.flags |= flags;
    e.typeName = OldTypeName(typeCode);
    if (version != libfmt::kVersion20004 && IsDatedType(typeCode)) e.duration = kOneDay;
    if (!in.ReadU32(unit) || !in.ReadU32(count)) return false;
    e.advance = AmountOfWords(unit, count);
    if (!in.ReadU32(pattern) || !in.ReadU32(param)) return false;
    if (pattern != 0) e.SetPattern(pattern, param);
    if (!ReadDate(in, e.start) || !ReadDate(in, e.snoozeUntil) || !ReadDate(in, e.lastShown))
        return false;
    if (!in.ReadU32(word)) return false;
    e.snoozeChoice = version == libfmt::kVersion20002 ? OldSnoozeChoice(word) : TimeAmount(word);
    if (!in.ReadU32(e.sound)) return false;
    if (version == libfmt::kVersion20004) {
        if (!in.ReadU32(unit) || !in.ReadU32(count)) return false;
        e.duration = AmountOfWords(unit, count);
    }
    if (!in.Skip(oldfmt::kTextsAt - in.Cursor())) return false;
    if (!ReadText(in, e.name) || !ReadText(in, e.notes) || !ReadText(in, e.soundFile)) return false;
    SettleOldFlags(e);
    out = std::move(e);
    return true;
}

std::vector<OldQuickReminder> ReadOldQuickRecord(MemoryStream& in) {
    std::vector<OldQuickReminder> found;
    in.Rewind();
    uint32_t magic, length, count;
    if (!in.ReadU32(magic) || magic != oldfmt::kQuickRecordMagic) return found;
    if (!in.ReadU32(length) || length > in.Length() || !in.ReadU32(count)) return found;
    // Each entry takes at least 28 bytes, so a count larger than the data ends at the data.
    for (uint32_t i = 0; i < count; ++i) {
        const size_t start = in.Cursor();
        uint32_t unit, amount;
        OldQuickReminder q;
        std::string unused;
        if (!in.ReadU32(magic) || magic != oldfmt::kQuickEntryMagic) break;
        if (!in.ReadU32(length) || length > in.Length() - start) break;
        if (!in.ReadU32(unit) || !in.ReadU32(amount)) break;
        if (!ReadText(in, q.menuName) || !ReadText(in, q.eventName) || !in.ReadString(unused))
            break;
        q.offset = AmountOfWords(unit, amount);
        found.push_back(std::move(q));
    }
    return found;
}

bool IsFirstFormatEvent(const unsigned char* block) {
    return GetLe32(block) == oldfmt::kFirstFormatEventMark;
}

EventRecord ReadFirstFormatEvent(const unsigned char* block) {
    EventRecord e;
    e.flags |= GetLe32(block + 4);
    e.start = DateFromFile(DoubleFromBits(GetLe64(block + 8)));
    e.snoozeUntil = DateFromFile(DoubleFromBits(GetLe64(block + 16)));
    e.lastShown = DateFromFile(DoubleFromBits(GetLe64(block + 24)));
    const uint32_t typeCode = GetLe32(block + 36);
    e.typeName = OldTypeName(typeCode);
    if (IsDatedType(typeCode)) e.duration = kOneDay;
    SetFirstFormatPattern(e, GetLe32(block + 40));
    e.name = FixedText(block + 128, oldfmt::kFirstFormatBlockSize - 128);
    e.notes = e.name;
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
        q.offset = AmountOfWords(unit, static_cast<uint32_t>(amount));
        found.push_back(std::move(q));
    }
    return found;
}

} // namespace zm
