#pragma once
// The program's boxes: the common error reporter, the fatal error that ends the program (never
// without a word), and the questions the event store asks.

#include "store/io/library_result.h"
#include "store/store_views.h"

#include <QString>

namespace zm {

// The error box of a library result, after its sound; nothing for a silent code.
void ShowLibraryError(LibraryResult code);
// The program ends because of the code: its message, or for a code that is otherwise silent a
// message that says the program closes and why.
void ShowFatalError(LibraryResult code);
// A start-up failure that is no library result (the data folder, a side file).
void ShowStartFailure(const QString& why);
// A top-most error box that does not wait: the program goes on while it is up.
void ShowErrorNotWaiting(const QString& text);

class QtStorePrompts final : public StorePrompts {
public:
    void ShowFileError(const std::string& text) override;
    void TellLibraryCreated(const std::string& text) override;
    bool ConfirmConversion(const std::string& text) override;
    bool ConfirmFutureStampCorrection() override;
};

} // namespace zm
