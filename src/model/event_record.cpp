#include "model/event_record.h"

#include "model/crc32.h"
#include "platform/byte_order.h"

#include <vector>

namespace zm {

EventRecord EventRecord::NewEvent(DateTime now) {
    EventRecord r;
    r.Start = DateTime::FromSeconds(now.TotalSeconds() - now.Second());
    return r;
}

EventRecord EventRecord::ForKey(uint16_t key) {
    EventRecord r;
    r.Key = key;
    r.Sound = 0;
    return r;
}

void EventRecord::SetPattern(uint32_t pattern, uint32_t param) {
    PatternParam = param;
    Pattern = pattern;
    Flags &= ~(kRecurring | kShown | kAccepted | kHasEnd);
    if (pattern & kKindMask) Flags |= kRecurring;
}

void EventRecord::StampShown(DateTime instant) {
    LastShown = instant;
    Flags |= kShown;
}

void EventRecord::SetSnooze(DateTime until, AmountUnit unit, uint32_t count) {
    SnoozeUntil = until;
    SnoozeChoice = TimeAmount::Of(unit, count);
    Flags |= kSnoozed;
}

bool EventRecord::SetDisabled(bool on) {
    if (Has(kDisabled) == on) return false;
    SetFlag(kDisabled, on);
    return true;
}

uint32_t EventRecord::StoredSize() const {
    return static_cast<uint32_t>(128 + TypeName.size() + Name.size() + Notes.size() +
                                 SoundFile.size());
}

namespace {
void PutString(std::vector<unsigned char>& out, const std::string& s) {
    AppendLe32(out, static_cast<uint32_t>(s.size() + 1));
    out.insert(out.end(), s.begin(), s.end());
    out.push_back(0);
}
} // namespace

uint32_t EventRecord::ContentSignature() const {
    std::vector<unsigned char> buf;
    buf.reserve(35 + Name.size() + Notes.size() + TypeName.size());
    AppendLe32(buf, Pattern);
    AppendLe32(buf, PatternParam);
    AppendLe64(buf, DoubleBits(Start.ToOle()));
    AppendLe32(buf, Duration.word);
    PutString(buf, Name);
    PutString(buf, Notes);
    PutString(buf, TypeName);
    return Crc32Update(0, buf.data(), buf.size());
}

} // namespace zm
