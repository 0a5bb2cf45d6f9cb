#pragma once
// The boxes the program's windows show: questions, warnings and errors. Windows ask through this
// interface so that tests can answer; the program's own implementation holds the reminder
// windows' controls while a box is up.

#include "store/io/library_result.h"

#include <QString>

class QWidget;

namespace zm {

enum class BoxIcon { Information, Warning, Error, Question };
enum class BoxAnswer { Yes, No, Cancel };

class UserBoxes {
public:
    virtual ~UserBoxes() = default;
    // An OK box.
    virtual void Tell(QWidget* owner, const QString& text, BoxIcon icon) = 0;
    // Yes / No.
    virtual bool AskYesNo(QWidget* owner, const QString& text, BoxIcon icon) = 0;
    // Yes / No / Cancel.
    virtual BoxAnswer AskYesNoCancel(QWidget* owner, const QString& text, BoxIcon icon) = 0;
    // The error box of a library result; nothing for a silent code.
    virtual void ReportLibraryError(QWidget* owner, LibraryResult code) = 0;
    // The exclamation beep of a command that has nothing to act on.
    virtual void Beep() = 0;
};

} // namespace zm
