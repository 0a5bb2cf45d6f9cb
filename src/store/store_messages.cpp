#include "store/store_messages.h"

#include "res/format_text.h"
#include "res/strings.h"
#include "store/io/posix_file.h"

namespace zm {

std::optional<LibraryErrorBox> ReportLibraryError(LibraryResult code) {
    const ResultMessage message = MessageOf(code);
    if (message.Silent()) return std::nullopt;
    return LibraryErrorBox{LoadString(message.stringId), message.sound};
}

std::string ReportFileError(const FileFailure& failure, const std::string& path) {
    int id = IDS_FILE_CANNOT_OPEN;
    switch (failure.kind) {
    case FileFailureKind::NotFound:
        id = IDS_FILE_NOT_FOUND;
        break;
    case FileFailureKind::AccessDenied:
        id = IDS_FILE_ACCESS_DENIED;
        break;
    case FileFailureKind::InUse:
        id = IDS_FILE_IN_USE;
        break;
    case FileFailureKind::NotAFile:
        id = IDS_FILE_NOT_REGULAR;
        break;
    case FileFailureKind::None:
    case FileFailureKind::Other:
        break;
    }
    return std::string(LoadString(id)) + path;
}

std::string ReportFileError(int systemError, const std::string& path, bool willBeCreated) {
    if (willBeCreated)
        return std::string(LoadString(IDS_FILE_NOT_FOUND)) + LoadString(IDS_FILE_WILL_BE_CREATED) +
               path;
    return ReportFileError(FileFailureFromErrno(systemError), path);
}

std::string LibraryCreatedText(const std::string& path, const std::string& folder) {
    std::string shown = folder;
    if (shown.size() > 1 && shown.back() == '/') shown.pop_back();
    return ReportFileError(ENOENT, path, true) + "\n\n" +
           FormatText(IDS_FIRST_START_FOLDER, {shown}) + "\n\n" + LoadString(IDS_FIRST_START_NEXT);
}

std::string ReportFileException(const std::string& text, const std::string& fileName,
                                FileCause cause) {
    return FileExceptionMessage(text, fileName, cause);
}

std::optional<std::string> SideFileReplacedText(const SideFileOutcome& outcome, int replacedText) {
    if (!outcome.replaced) return std::nullopt;
    std::string text = FormatText(replacedText, {outcome.keptAs});
    if (outcome.keepCause != FileCause::None)
        text += std::string("\n\n") + FileCauseText(outcome.keepCause);
    return text;
}

std::string FolderCreateErrorText(const std::string& folder) {
    return std::string(LoadString(IDS_FOLDER_CANNOT_CREATE)) + folder;
}

std::string RenameErrorText(const std::string& from, const std::string& to) {
    return FormatText(IDS_FILE_CANNOT_RENAME, {from}) + to;
}

std::string ConvertQuestionText(const std::string& archivePath) {
    return FormatText(IDS_ASK_CONVERT_LIBRARY, {archivePath});
}

} // namespace zm
