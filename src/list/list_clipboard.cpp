#include "list/list_clipboard.h"

#include "model/describe.h"
#include "store/library/event_serializer.h"
#include "store/library/library_format.h"

#include <cstring>

namespace zm {
namespace {

uint32_t U32At(std::span<const uint8_t> data, size_t at) {
    uint32_t v = 0;
    for (int b = 3; b >= 0; --b)
        v = v << 8 | data[at + static_cast<size_t>(b)];
    return v;
}

} // namespace

std::string CopiedText(const std::vector<EventRecord>& events, bool allMode,
                       const LocaleFormats& formats, const LocaleNames& names) {
    std::string text;
    for (const EventRecord& event : events) {
        const DateTime when = allMode ? event.start : event.listOccurrence;
        text += event.name + '\t' + formats.FormatDayDateTime(when, false) + '\t' + event.typeName +
                '\t' + DescribePattern(event, names) + "\r\n";
    }
    return text;
}

std::vector<uint8_t> EncodeTransferData(const std::vector<EventRecord>& events) {
    MemoryStream out;
    out.WriteU32(static_cast<uint32_t>(events.size()));
    for (const EventRecord& event : events)
        SerializeEvent(event, out);
    return std::vector<uint8_t>(out.Data(), out.Data() + out.Length());
}

ReadResult<std::vector<EventRecord>> DecodeTransferData(std::span<const uint8_t> data) {
    constexpr size_t kSmallest = eventfmt::kEmptyEventSize;
    constexpr size_t kLargest = libfmt::kMaxEventBytes;
    if (data.size() < 4) return LibraryResult::Corrupted;
    const uint32_t count = U32At(data, 0);
    if (count > (data.size() - 4) / kSmallest) return LibraryResult::Corrupted;
    std::vector<EventRecord> events;
    events.reserve(count);
    size_t at = 4;
    for (uint32_t i = 0; i < count; ++i) {
        if (data.size() - at < kSmallest) return LibraryResult::Corrupted;
        const uint32_t length = U32At(data, at + eventfmt::kLengthAt);
        if (length < kSmallest || length > kLargest || length > data.size() - at)
            return LibraryResult::Corrupted;
        MemoryStream record;
        record.Write(data.data() + at, length);
        EventRecord event;
        if (!DeserializeEvent(record, event)) return LibraryResult::Corrupted;
        events.push_back(std::move(event));
        at += length;
    }
    return events;
}

} // namespace zm
