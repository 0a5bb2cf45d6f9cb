#include "ui/main/transfer_records.h"

#include "store/io/memory_stream.h"
#include "store/library/event_serializer.h"

#include <cstring>

namespace zm {
namespace {

uint32_t U32At(std::span<const uint8_t> data, size_t at) {
    uint32_t v = 0;
    for (size_t i = 0; i < 4; ++i)
        v |= static_cast<uint32_t>(data[at + i]) << (8 * i);
    return v;
}

} // namespace

std::string EncodeTransferRecords(std::span<const EventRecord> events) {
    MemoryStream out;
    out.WriteU32(static_cast<uint32_t>(events.size()));
    for (const EventRecord& e : events)
        SerializeEvent(e, out);
    return std::string(reinterpret_cast<const char*>(out.Data()), out.Length());
}

LibraryResult DecodeTransferRecords(std::span<const uint8_t> data,
                                    std::vector<EventRecord>& events) {
    events.clear();
    if (data.size() < 4) return LibraryResult::Corrupted;
    const uint32_t count = U32At(data, 0);
    size_t at = 4;
    if (count > (data.size() - at) / kSmallestTransferRecord) return LibraryResult::Corrupted;
    std::vector<EventRecord> read;
    read.reserve(count);
    for (uint32_t i = 0; i < count; ++i) {
        if (data.size() - at < kSmallestTransferRecord) return LibraryResult::Corrupted;
        const size_t length = U32At(data, at + eventfmt::kLengthAt);
        if (length < kSmallestTransferRecord || length > kLargestTransferRecord ||
            length > data.size() - at)
            return LibraryResult::Corrupted;
        MemoryStream record;
        record.Write(data.data() + at, length);
        EventRecord e;
        if (!DeserializeEvent(record, e)) return LibraryResult::Corrupted;
        read.push_back(std::move(e));
        at += length;
    }
    events = std::move(read);
    return LibraryResult::Ok;
}

} // namespace zm
