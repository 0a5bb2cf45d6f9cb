#pragma once
// The result code of every library and event-store operation, and what the user is shown for it.

#include <cstdint>

namespace zm {

using LibraryResult = uint32_t;

// Named result codes. 0 is success; a code that is not named here is an unknown failure.
namespace lr {
inline constexpr LibraryResult kOk = 0;
inline constexpr LibraryResult kSilent1 = 1;
inline constexpr LibraryResult kSilent2 = 2;
inline constexpr LibraryResult kReminderBusy = 3; // a reminder window is already being opened
inline constexpr LibraryResult kDiskFull = 4;     // a write failed: the disk is full
inline constexpr LibraryResult kReminderWindowFailed = 6;
inline constexpr LibraryResult kSilent9 = 9;
inline constexpr LibraryResult kReminderUnexpected = 10; // unexpected failure opening a reminder
inline constexpr LibraryResult kEmptyEvent = 11;         // an event serialised to no bytes
inline constexpr LibraryResult kCorrupted = 12;     // broken chain, bad record, truncated event
inline constexpr LibraryResult kEventTooLarge = 13; // more than 20 blocks: could not be read back
inline constexpr LibraryResult kOpenFailed = 14;    // already reported by the file-error box
inline constexpr LibraryResult kUnknownVersion = 15;
inline constexpr LibraryResult kLibraryFull = 20;
inline constexpr LibraryResult kBadFormat = 21; // wrong magic or block geometry
inline constexpr LibraryResult kOldVersion = 22;
inline constexpr LibraryResult kSilent23 = 23;
inline constexpr LibraryResult kCreateFailed = 24; // already reported by the file-error box
inline constexpr LibraryResult kSilent25 = 25;
inline constexpr LibraryResult kInternalError = 26;
inline constexpr LibraryResult kNotImplemented = 27;
inline constexpr LibraryResult kSeekError = 31;
inline constexpr LibraryResult kLibraryInUse = 32; // another program holds the library
inline constexpr LibraryResult kReadError = 33;
inline constexpr LibraryResult kWriteError = 34; // a write or a flush failed
inline constexpr LibraryResult kOutOfMemory = 80;
} // namespace lr

// The sound that comes before a result's message.
enum class ResultSound : uint8_t { None, Beep, Stop };

struct ResultMessage {
    int stringId = 0; // 0: the code is silent
    ResultSound sound = ResultSound::None;
    bool silent() const { return stringId == 0; }
};

// What the common error reporter shows for a code.
ResultMessage MessageOf(LibraryResult code);

} // namespace zm
