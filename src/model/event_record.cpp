#include "model/event_record.h"

#include "model/crc32.h"
#include "platform/byte_order.h"

#include <vector>

namespace zm {

EventRecord EventRecord::NewEvent(DateTime now) {
    EventRecord r;
    r.start = DateTime::FromSeconds(now.TotalSeconds() - now.Second());
    return r;
}

EventRecord EventRecord::ForKey(uint16_t key) {
    EventRecord r;
    r.key = key;
    r.sound = 0;
    return r;
}

void EventRecord::SetPattern(uint32_t newPattern, uint32_t param) {
    patternParam = param;
    pattern = newPattern;
    flags &= ~(kRecurring | kShown | kAccepted | kHasEnd);
    if (newPattern & kKindMask) flags |= kRecurring;
}

void EventRecord::StampShown(DateTime instant) {
    lastShown = instant;
    flags |= kShown;
}

void EventRecord::SetSnooze(DateTime until, AmountUnit unit, uint32_t count) {
    snoozeUntil = until;
    snoozeChoice = TimeAmount::Of(unit, count);
    flags |= kSnoozed;
}

bool EventRecord::SetDisabled(bool on) {
    if (Has(kDisabled) == on) return false;
    SetFlag(kDisabled, on);
    return true;
}

uint32_t EventRecord::StoredSize() const {
    return static_cast<uint32_t>(128 + typeName.size() + name.size() + notes.size() +
                                 soundFile.size());
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
    buf.reserve(35 + name.size() + notes.size() + typeName.size());
    AppendLe32(buf, pattern);
    AppendLe32(buf, patternParam);
    AppendLe64(buf, DoubleBits(start.ToOle()));
    AppendLe32(buf, duration.word);
    PutString(buf, name);
    PutString(buf, notes);
    PutString(buf, typeName);
    return Crc32Update(0, buf.data(), buf.size());
}

} // namespace zm
