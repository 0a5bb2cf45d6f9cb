#pragma once
// The events on the clipboard in the program's private form: a 32-bit count, then each event
// in the record layout of the library file. Any program can put data of that type on the
// clipboard, so reading checks the count and every record's length against the data.

#include "model/event_record.h"
#include "store/io/library_result.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace zm {

inline constexpr size_t kSmallestTransferRecord = 128;
inline constexpr size_t kLargestTransferRecord = 5120;

std::string EncodeTransferRecords(std::span<const EventRecord> events);
// Corrupted when the count or a record does not fit the data or a record cannot be read;
// `events` then holds nothing.
LibraryResult DecodeTransferRecords(std::span<const uint8_t> data,
                                    std::vector<EventRecord>& events);

} // namespace zm
