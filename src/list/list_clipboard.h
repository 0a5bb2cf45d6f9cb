#pragma once
// The list's clipboard data: the copied events as lines of text, and the program's own format
// "ZantimoreTransferData" (a 32-bit count, then each event in its stored library form), which
// is read back with every check, since any program can put data under that name.

#include "format/locale_formats.h"
#include "model/event_record.h"
#include "platform/locale_names.h"
#include "store/io/read_result.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace zm {

inline constexpr char kTransferFormatName[] = "ZantimoreTransferData";

// One line per event, ending with CR LF: name, date and time (of Start in All mode, of the
// ListOccurrence otherwise), type name and recurrence, separated by tabs.
std::string CopiedText(const std::vector<EventRecord>& events, bool allMode,
                       const LocaleFormats& formats, const LocaleNames& names);

// The events in the program's own format. May throw std::bad_alloc.
std::vector<uint8_t> EncodeTransferData(const std::vector<EventRecord>& events);

// The events of data in the program's own format; Corrupted when the count does not fit the
// data or a record is not a readable stored event of 128 to 5,120 bytes lying within the data.
ReadResult<std::vector<EventRecord>> DecodeTransferData(std::span<const uint8_t> data);

} // namespace zm
