#include "store/io/library_result.h"

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
        return {IDS_ERR_DISK_FULL, ResultSound::Stop};
    case lr::kReminderWindowFailed:
        return {IDS_ERR_UNKNOWN, ResultSound::Beep};
    case lr::kReminderUnexpected:
    case lr::kEmptyEvent:
        return {IDS_ERR_NO_RESOURCES, ResultSound::None};
    case lr::kCorrupted:
        return {IDS_ERR_LIBRARY_CORRUPTED, ResultSound::None};
    case lr::kEventTooLarge:
        return {IDS_ERR_EVENT_TOO_LARGE, ResultSound::None};
    case lr::kUnknownVersion:
        return {IDS_ERR_VERSION_UNKNOWN, ResultSound::None};
    case lr::kLibraryFull:
        return {IDS_ERR_LIBRARY_FULL, ResultSound::None};
    case lr::kBadFormat:
        return {IDS_ERR_UNEXPECTED_FORMAT, ResultSound::None};
    case lr::kOldVersion:
        return {IDS_ERR_OLD_VERSION, ResultSound::None};
    case lr::kInternalError:
        return {IDS_ERR_INTERNAL, ResultSound::None};
    case lr::kNotImplemented:
        return {IDS_ERR_NOT_IMPLEMENTED, ResultSound::None};
    case lr::kSeekError:
        return {IDS_ERR_SEEK, ResultSound::None};
    case lr::kLibraryInUse:
        return {IDS_ERR_LIBRARY_IN_USE, ResultSound::None};
    case lr::kOutOfMemory:
        return {IDS_ERR_OUT_OF_MEMORY, ResultSound::None};
    default:
        return {IDS_ERR_UNKNOWN, ResultSound::Stop};
    }
}

} // namespace zm
