#include "res/result_messages.h"

#include "res/strings.h"

namespace zm {

ResultMessage MessageForResult(uint32_t code) {
    switch (code) {
    case 0: // success
    case 1:
    case 2:
    case 3: // a reminder window is already being opened
    case 9:
    case 4:  // the disk is full: the system has said so
    case 14: // the file could not be opened or created: the file-error box has said so
    case 23:
    case 24: // creating the library failed: already reported
    case 25:
        return {};
    case 6:
        return {IDS_ERR_UNKNOWN, ResultBeep::Default};
    case 10:
    case 11:
        return {IDS_ERR_NO_RESOURCES};
    case 12:
        return {IDS_ERR_LIBRARY_CORRUPTED};
    case 15:
        return {IDS_ERR_VERSION_UNKNOWN};
    case 20:
        return {IDS_ERR_LIBRARY_FULL};
    case 21:
        return {IDS_ERR_UNEXPECTED_FORMAT};
    case 22:
        return {IDS_ERR_OLD_VERSION};
    case 26:
        return {IDS_ERR_INTERNAL};
    case 27:
        return {IDS_ERR_NOT_IMPLEMENTED};
    case 31:
        return {IDS_ERR_SEEK};
    case 80:
        return {IDS_ERR_OUT_OF_MEMORY};
    default:
        return {IDS_ERR_UNKNOWN, ResultBeep::Error};
    }
}

} // namespace zm
