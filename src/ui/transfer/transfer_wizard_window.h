#pragma once
// The wizard window itself, for the entry points and the tests: its five pages over the
// choices, and the action it performs after Finish.

#include "ui/transfer/transfer_actions.h"
#include "ui/transfer/transfer_choices.h"
#include "ui/transfer/transfer_pages.h"

#include <QWizard>
#include <chrono>
#include <functional>

namespace zm {

class TransferWizard final : public QWizard {
    Q_OBJECT
public:
    // `files` are the files the user chooses (the operating system's in the program).
    TransferWizard(WindowContext& context, UserBoxes& boxes, StoreFileSystem& files,
                   TransferEvents events, QWidget* parent);

    // After Finish: performs the action with the wait cursor (and a progress dialog once it
    // takes longer than `progressDelay`), then tells its outcome.
    TransferOutcome Perform();

    TransferChoices& Choices() { return choices_; }
    TransferStartPage* StartPage() const { return start_; }
    TransferKindPage* KindPage() const { return kind_; }
    TransferFilePage* FilePage() const { return file_; }
    TransferFieldsPage* FieldsPage() const { return fields_; }
    TransferDefaultsPage* DefaultsPage() const { return defaults_; }

    // Shows the import log (the "Imort Log" dialog unless a test replaces it).
    std::function<void(const ImportLog&)> showLog;
    std::chrono::milliseconds progressDelay{500};

private:
    WindowContext& context_;
    UserBoxes& boxes_;
    StoreFileSystem& files_;
    TransferEvents events_;
    TransferChoices choices_;
    TransferPageEnv env_;
    TransferStartPage* start_;
    TransferKindPage* kind_;
    TransferFilePage* file_;
    TransferFieldsPage* fields_;
    TransferDefaultsPage* defaults_;
};

} // namespace zm
