#pragma once
// The import and export wizard: what to do, the file, the fields, the defaults, and the summary.

class QWidget;

namespace zm {

struct WindowContext;
class UserBoxes;

// Runs the wizard modally.
void RunTransferWizard(WindowContext& context, UserBoxes& boxes, QWidget* parent);

} // namespace zm
