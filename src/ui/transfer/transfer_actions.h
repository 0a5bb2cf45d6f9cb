#pragma once
// What the wizard does on Finish, over the store's import and export, and how it tells the
// outcome: the file's problem, the library's error, and after a text import the summary.

#include "store/io/library_result.h"
#include "store/io/store_file_system.h"
#include "store/transfer/import_log.h"
#include "store/transfer/transfer_problem.h"
#include "ui/transfer/transfer_choices.h"

#include <functional>

class QWidget;

namespace zm {

struct WindowContext;
class UserBoxes;

struct TransferOutcome {
    LibraryResult code = LibraryResult::Ok;
    TransferProblem problem; // a file that could not be read or written
    bool textImport = false;
    int imported = 0;
    ImportLog log;
    int unlogged = 0; // log entries left out of `log`
};

// Performs the chosen action; `files` are the files it reads or writes (an event file to
// import is opened by the store).
TransferOutcome PerformTransfer(WindowContext& context, StoreFileSystem& files,
                                const TransferChoices& choices, const TransferEvents& events);

// Tells the outcome; after a text import that stopped at a code of 9 or less, the summary asks
// whether to see the log, and `showLog` shows it on Yes.
void TellTransferOutcome(UserBoxes& boxes, QWidget* owner, const TransferOutcome& outcome,
                         const std::function<void(const ImportLog&)>& showLog);

} // namespace zm
