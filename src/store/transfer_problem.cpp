#include "store/transfer_problem.h"

#include "res/format_text.h"
#include "res/strings.h"

namespace zm {

namespace {
int CauseText(FileCause cause) {
    switch (cause) {
    case FileCause::NotFound: return IDS_FILEX_NOT_FOUND;
    case FileCause::BadPath: return IDS_FILEX_BAD_PATH;
    case FileCause::AccessDenied: return IDS_FILEX_ACCESS_DENIED;
    case FileCause::Sharing: return IDS_FILEX_SHARING;
    case FileCause::Hardware: return IDS_FILEX_HARDWARE;
    case FileCause::EndOfFile: return IDS_FILEX_END_OF_FILE;
    case FileCause::Generic: break;
    }
    return IDS_FILEX_GENERIC;
}
} // namespace

std::string TransferProblem::message() const {
    if (missingCodePage != 0) return FormatText(IDS_IE_CODE_PAGE_MISSING, {missingCodePage});
    if (textId == 0) return {};
    return std::string(LoadString(textId)) + path + "\n\n" + LoadString(CauseText(cause));
}

FileCause CauseOfOpen(const FileFailure& failure) {
    switch (failure.kind) {
    case FileFailureKind::NotFound: return FileCause::NotFound;
    case FileFailureKind::AccessDenied: return FileCause::AccessDenied;
    case FileFailureKind::InUse: return FileCause::Sharing;
    default: return FileCause::Generic;
    }
}

FileCause CauseOfResult(LibraryResult code) {
    switch (code) {
    case lr::kReadError: return FileCause::Hardware;
    case lr::kSeekError: return FileCause::EndOfFile;
    default: return FileCause::Generic;
    }
}

} // namespace zm
