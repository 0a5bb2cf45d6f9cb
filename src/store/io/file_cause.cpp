#include "store/io/file_cause.h"

#include "res/strings.h"

#include <cerrno>

namespace zm {

FileCause FileCauseFromErrno(int err) {
    switch (err) {
    case 0:
        return FileCause::None;
    case ENOENT:
        return FileCause::FileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
        return FileCause::BadPath;
    case EMFILE:
    case ENFILE:
        return FileCause::TooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return FileCause::AccessDenied;
    case EBADF:
        return FileCause::InvalidFile;
    case ESPIPE:
        return FileCause::BadSeek;
    case EIO:
        return FileCause::HardIO;
    case ETXTBSY:
    case EBUSY:
        return FileCause::SharingViolation;
    case EAGAIN:
    case ENOLCK:
        return FileCause::LockViolation;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return FileCause::DiskFull;
    default:
        return FileCause::Generic;
    }
}

const char* FileCauseText(FileCause cause) {
    switch (cause) {
    case FileCause::Generic:
        return LoadString(IDS_FILEX_GENERIC);
    case FileCause::NotRegularFile:
        return LoadString(IDS_FILEX_NOT_REGULAR);
    case FileCause::FileNotFound:
        return LoadString(IDS_FILEX_NOT_FOUND);
    case FileCause::BadPath:
        return LoadString(IDS_FILEX_BAD_PATH);
    case FileCause::TooManyOpenFiles:
        return LoadString(IDS_FILEX_TOO_MANY_OPEN);
    case FileCause::AccessDenied:
        return LoadString(IDS_FILEX_ACCESS_DENIED);
    case FileCause::InvalidFile:
        return LoadString(IDS_FILEX_INVALID_FILE);
    case FileCause::BadSeek:
        return LoadString(IDS_FILEX_BAD_SEEK);
    case FileCause::HardIO:
        return LoadString(IDS_FILEX_HARDWARE);
    case FileCause::SharingViolation:
        return LoadString(IDS_FILEX_SHARING);
    case FileCause::LockViolation:
        return LoadString(IDS_FILEX_LOCK);
    case FileCause::EndOfFile:
        return LoadString(IDS_FILEX_END_OF_FILE);
    case FileCause::None:
    case FileCause::DiskFull:
        break;
    }
    return LoadString(IDS_FILEX_UNKNOWN);
}

std::string FileExceptionMessage(std::string_view lead, std::string_view fileName,
                                 FileCause cause) {
    std::string text(lead);
    text += fileName;
    text += "\n\n";
    text += FileCauseText(cause);
    return text;
}

} // namespace zm
