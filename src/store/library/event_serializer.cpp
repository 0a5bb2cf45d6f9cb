#include "store/library/event_serializer.h"

#include "model/crc32.h"
#include "store/io/byte_order.h"
#include "store/text/text_codec.h"

namespace zm {
DateTime DateFromFile(double days) {
    const DateTime d = DateTime::FromOle(days);
    return d.IsValid() ? d : DateTime();
}

bool ReadDate(MemoryStream& in, DateTime& d) {
    double days;
    if (!in.readDouble(days)) return false;
    d = DateFromFile(days);
    return true;
}

bool ReadText(MemoryStream& in, std::string& text) {
    std::string bytes;
    if (!in.readString(bytes)) return false;
    text = DecodeFileText(bytes);
    return true;
}


size_t SerializedSize(const EventRecord& e) {
    return eventfmt::kEmptyEventSize + e.Name.size() + e.Notes.size() + e.SoundFile.size() +
           e.TypeName.size();
}

void SerializeEvent(const EventRecord& e, MemoryStream& out) {
    const size_t start = out.length();
    out.writeU32(eventfmt::kRecordMagic);
    out.writeI32(0); // the length, filled in below
    out.writeU32(e.Flags);
    out.writeU32(e.Advance.word);
    out.writeU32(e.Pattern);
    out.writeU32(e.PatternParam);
    out.writeDouble(e.Start.ToOle());
    out.writeDouble(e.SnoozeUntil.ToOle());
    out.writeDouble(e.LastShown.ToOle());
    out.writeU32(e.SnoozeChoice.word);
    out.writeU32(e.Sound);
    out.writeU32(e.Duration.word);
    out.writeU32(e.WindowSize);
    out.writeU32(e.SoundPause);
    out.writeDouble(e.End.ToOle());
    out.writeU32(e.Id);
    const unsigned char reserved[eventfmt::kReservedSize] = {};
    out.write(reserved, sizeof reserved);
    out.writeString(e.Name);
    out.writeString(e.Notes);
    out.writeString(e.SoundFile);
    out.writeString(e.TypeName);
    out.patchU32(start + eventfmt::kLengthAt, static_cast<uint32_t>(out.length() - start));
}

bool DeserializeEvent(MemoryStream& in, EventRecord& event) {
    in.rewind();
    EventRecord r = event;
    uint32_t magic, word;
    int32_t length;
    if (!in.readU32(magic) || magic != eventfmt::kRecordMagic) return false;
    if (!in.readI32(length)) return false;
    if (length > 0 && static_cast<size_t>(length) > in.length()) return false;
    if (!in.readU32(r.Flags)) return false;
    if (!in.readU32(word)) return false;
    r.Advance = TimeAmount(word);
    if (!in.readU32(r.Pattern) || !in.readU32(r.PatternParam)) return false;
    if (!ReadDate(in, r.Start) || !ReadDate(in, r.SnoozeUntil) || !ReadDate(in, r.LastShown))
        return false;
    if (!in.readU32(word)) return false;
    r.SnoozeChoice = TimeAmount(word);
    if (!in.readU32(r.Sound)) return false;
    if (!in.readU32(word)) return false;
    r.Duration = TimeAmount(word);
    if (!in.readU32(r.WindowSize) || !in.readU32(r.SoundPause)) return false;
    if (!ReadDate(in, r.End)) return false;
    if (!in.readU32(r.Id)) return false;
    if (!in.skip(eventfmt::kReservedSize)) return false;
    if (!ReadText(in, r.Name) || !ReadText(in, r.Notes) || !ReadText(in, r.SoundFile) ||
        !ReadText(in, r.TypeName))
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
