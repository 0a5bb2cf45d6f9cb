#pragma once
// The texts of the store's error boxes. The event store and its callers decide when a box is
// shown; these functions say what it shows.

#include "store/io/file.h"
#include "store/io/file_cause.h"
#include "store/io/library_result.h"
#include "store/io/side_file_outcome.h"

#include <optional>
#include <string>

namespace zm {

// The error box of a library result: its text and the sound before it.
struct LibraryErrorBox {
    std::string text;
    ResultSound sound = ResultSound::None;
};

// What the common error reporter shows for a code; nothing for a silent code.
std::optional<LibraryErrorBox> ReportLibraryError(LibraryResult code);

// The file-error box for a file that could not be opened: the reason by the system's error
// number, then the path. `willBeCreated`: the missing default library is about to be created.
std::string ReportFileError(int systemError, const std::string& path, bool willBeCreated = false);
// The first start's information: the missing library at `path` is made, in which folder the
// reminders are kept, and what comes next.
std::string LibraryCreatedText(const std::string& path, const std::string& folder);
std::string ReportFileError(const FileFailure& failure, const std::string& path);

// The message of a failed read or write of a side file: the caller's text, the file name, an
// empty line and the text of the cause.
std::string ReportFileException(const std::string& text, const std::string& fileName,
                                FileCause cause);

// What the user is told, once, when loading a side file found it unreadable and went on with
// the defaults: `replacedText` (IDS_TYPES_FILE_REPLACED or IDS_QUICK_FILE_REPLACED) with where
// the unreadable file is kept, and why it stayed under its own name when it did. None when
// the file was read.
std::optional<std::string> SideFileReplacedText(const SideFileOutcome& outcome, int replacedText);

// The boxes of a conversion.
std::string FolderCreateErrorText(const std::string& folder);
std::string RenameErrorText(const std::string& from, const std::string& to);
std::string ConvertQuestionText(const std::string& archivePath);

} // namespace zm
