#pragma once
// What the import and export actions tell the user when a file cannot be read or written.

#include "store/io/file.h"
#include "store/io/file_cause.h"
#include "store/io/library_result.h"

#include <string>

namespace zm {

struct TransferProblem {
    // The first line: IDS_IE_CANNOT_READ, IDS_IE_CANNOT_WRITE, or 0 for no problem.
    int textId = 0;
    std::string path;
    FileCause cause = FileCause::Generic;
    // A DOS code page the system cannot convert (the message then names it instead).
    int missingCodePage = 0;
    // What is wrong with the file's content, told in place of the cause (IDS_IE_NO_RECORDS,
    // IDS_IE_NOT_TEXT); 0 when the cause tells it.
    int detailId = 0;

    explicit operator bool() const { return textId != 0 || missingCodePage != 0; }
    // The whole text of the message box: the first line, the file name, an empty line and the
    // cause (or the detail).
    std::string Message() const;
};

// The cause of a file that could not be opened or created.
FileCause CauseOfOpen(const FileFailure& failure);
// The cause of a failed read or write of an open file (ReadError, DiskFull, WriteError, ...).
FileCause CauseOfResult(LibraryResult code);

} // namespace zm
