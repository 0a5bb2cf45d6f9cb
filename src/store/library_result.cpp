#include "store/library_result.h"

#include "res/strings.h"

namespace zm {

ResultMessage MessageOf(LibraryResult code) {
    switch (code) {
    case lr::kOk:
    case lr::kSilent1:
    case lr::kSilent2:
    case lr::kReminderBusy:
    case lr::kSilent9:
    case lr::kOpenFailed:
    case lr::kSilent23:
    case lr::kCreateFailed:
    case lr::kSilent25:
        return {};
    // A full disk loses the change the user just made; it must not pass unnoticed.
    case lr::kDiskFull:
        return {IDS_LIB_DISK_FULL, ResultSound::Stop};
    case lr::kReminderWindowFailed:
        return {IDS_LIB_UNKNOWN_ERROR, ResultSound::Beep};
    case lr::kReminderUnexpected:
    case lr::kEmptyEvent:
        return {IDS_LIB_NO_RESOURCES, ResultSound::None};
    case lr::kCorrupted:
        return {IDS_LIB_CORRUPTED, ResultSound::None};
    case lr::kEventTooLarge:
        return {IDS_LIB_EVENT_TOO_LARGE, ResultSound::None};
    case lr::kUnknownVersion:
        return {IDS_LIB_VERSION_UNKNOWN, ResultSound::None};
    case lr::kLibraryFull:
        return {IDS_LIB_FULL, ResultSound::None};
    case lr::kBadFormat:
        return {IDS_LIB_UNEXPECTED_FORMAT, ResultSound::None};
    case lr::kOldVersion:
        return {IDS_LIB_INVALID_VERSION, ResultSound::None};
    case lr::kInternalError:
        return {IDS_LIB_INTERNAL_ERROR, ResultSound::None};
    case lr::kNotImplemented:
        return {IDS_LIB_NOT_IMPLEMENTED, ResultSound::None};
    case lr::kSeekError:
        return {IDS_LIB_SEEK_ERROR, ResultSound::None};
    case lr::kLibraryInUse:
        return {IDS_LIB_IN_USE, ResultSound::None};
    case lr::kOutOfMemory:
        return {IDS_LIB_OUT_OF_MEMORY, ResultSound::None};
    default:
        return {IDS_LIB_UNKNOWN_ERROR, ResultSound::Stop};
    }
}

} // namespace zm
