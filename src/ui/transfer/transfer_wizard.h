#pragma once
// The import and export wizard: what to do, the file, the fields, the defaults, and the summary.

#include <string>

class QWidget;

namespace zm {

struct WindowContext;
class UserBoxes;
struct TransferEvents;

// The caller holds these open as the program dialog (ProgramDialogGuard::TryOpen).

// Runs the wizard modally; an export offers every stored event.
void RunTransferWizard(WindowContext& context, UserBoxes& boxes, QWidget* parent);
// Runs the wizard modally; an export offers the main window's list or its selection.
void RunTransferWizard(WindowContext& context, UserBoxes& boxes, QWidget* parent,
                       const TransferEvents& events);

// The holiday command: the user chooses a holiday file, whose events the library does not hold
// yet are added.
void RunHolidayMerge(WindowContext& context, UserBoxes& boxes, QWidget* parent);
// The merge of a chosen holiday file, with the wait cursor; a failure is reported.
void MergeHolidays(WindowContext& context, UserBoxes& boxes, QWidget* parent,
                   const std::string& path);

} // namespace zm
