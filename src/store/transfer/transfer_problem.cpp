#include "store/transfer/transfer_problem.h"

#include "res/format_text.h"
#include "res/strings.h"

namespace zm {

std::string TransferProblem::Message() const {
    if (missingCodePage != 0) return FormatText(IDS_IE_CODE_PAGE_MISSING, {missingCodePage});
    if (textId == 0) return {};
    if (detailId != 0) return LoadString(textId) + path + "\n\n" + LoadString(detailId);
    return FileExceptionMessage(LoadString(textId), path, cause);
}

FileCause CauseOfOpen(const FileFailure& failure) {
    if (failure.systemError != 0) return FileCauseFromErrno(failure.systemError);
    switch (failure.kind) {
    case FileFailureKind::NotFound:
        return FileCause::FileNotFound;
    case FileFailureKind::AccessDenied:
        return FileCause::AccessDenied;
    case FileFailureKind::InUse:
        return FileCause::SharingViolation;
    case FileFailureKind::NotAFile:
        return FileCause::NotRegularFile;
    default:
        return FileCause::Generic;
    }
}

FileCause CauseOfResult(LibraryResult code) {
    switch (code) {
    case LibraryResult::ReadError:
        return FileCause::HardIO;
    case LibraryResult::DiskFull:
        return FileCause::DiskFull;
    case LibraryResult::SeekError:
        return FileCause::BadSeek;
    default:
        return FileCause::Generic;
    }
}

} // namespace zm
