#include "store/library/event_serializer.h"

#include "model/crc32.h"
#include "platform/byte_order.h"
#include "store/text/text_codec.h"

namespace zm {
DateTime DateFromFile(double days) {
    const DateTime d = DateTime::FromOle(days);
    return d.IsValid() ? d : DateTime();
}

bool ReadDate(MemoryStream& in, DateTime& d) {
    double days;
    if (!in.ReadDouble(days)) return false;
    d = DateFromFile(days);
    return true;
}

bool ReadText(MemoryStream& in, std::string& text) {
    std::string bytes;
    if (!in.ReadString(bytes)) return false;
    text = DecodeFileText(bytes);
    return true;
}

size_t SerializedSize(const EventRecord& e) {
    return eventfmt::kEmptyEventSize + e.name.size() + e.notes.size() + e.soundFile.size() +
           e.typeName.size();
}

void SerializeEvent(const EventRecord& e, MemoryStream& out) {
    const size_t start = out.Length();
    out.WriteU32(eventfmt::kRecordMagic);
    out.WriteI32(0); // the length, filled in below
    out.WriteU32(e.flags);
    out.WriteU32(e.advance.word);
    out.WriteU32(e.pattern);
    out.WriteU32(e.patternParam);
    out.WriteDouble(e.start.ToOle());
    out.WriteDouble(e.snoozeUntil.ToOle());
    out.WriteDouble(e.lastShown.ToOle());
    out.WriteU32(e.snoozeChoice.word);
    out.WriteU32(e.sound);
    out.WriteU32(e.duration.word);
    out.WriteU32(e.windowSize);
    out.WriteU32(e.soundPause);
    out.WriteDouble(e.end.ToOle());
    out.WriteU32(e.id);
    const unsigned char reserved[eventfmt::kReservedSize] = {};
    out.Write(reserved, sizeof reserved);
    out.WriteString(e.name);
    out.WriteString(e.notes);
    out.WriteString(e.soundFile);
    out.WriteString(e.typeName);
    out.PatchU32(start + eventfmt::kLengthAt, static_cast<uint32_t>(out.Length() - start));
}

bool DeserializeEvent(MemoryStream& in, EventRecord& event) {
    in.Rewind();
    EventRecord r = event;
    uint32_t magic, word;
    int32_t length;
    if (!in.ReadU32(magic) || magic != eventfmt::kRecordMagic) return false;
    if (!in.ReadI32(length)) return false;
    if (length > 0 && static_cast<size_t>(length) > in.Length()) return false;
    if (!in.ReadU32(r.flags)) return false;
    if (!in.ReadU32(word)) return false;
    r.advance = TimeAmount(word);
    if (!in.ReadU32(r.pattern) || !in.ReadU32(r.patternParam)) return false;
    if (!ReadDate(in, r.start) || !ReadDate(in, r.snoozeUntil) || !ReadDate(in, r.lastShown))
        return false;
    if (!in.ReadU32(word)) return false;
    r.snoozeChoice = TimeAmount(word);
    if (!in.ReadU32(r.sound)) return false;
    if (!in.ReadU32(word)) return false;
    r.duration = TimeAmount(word);
    if (!in.ReadU32(r.windowSize) || !in.ReadU32(r.soundPause)) return false;
    if (!ReadDate(in, r.end)) return false;
    if (!in.ReadU32(r.id)) return false;
    if (!in.Skip(eventfmt::kReservedSize)) return false;
    if (!ReadText(in, r.name) || !ReadText(in, r.notes) || !ReadText(in, r.soundFile) ||
        !ReadText(in, r.typeName))
        return false;
    event = std::move(r);
    return true;
}

uint32_t ComputeEventId(const unsigned char* stored, size_t length, DateTime now, uint32_t tick) {
    unsigned char tail[12];
    PutLe64(tail, DoubleBits(now.ToOle()));
    PutLe32(tail + 8, tick);
    const uint32_t value = Crc32Update(0, stored, length);
    return Crc32Update(value, tail, sizeof tail);
}

} // namespace zm
