#include "ui/common/qt_user_boxes.h"

#include "res/strings.h"
#include "store/store_messages.h"
#include "ui/common/reminder_hold.h"
#include "ui/common/ui_text.h"

#include <QApplication>
#include <QMessageBox>
#include <optional>

namespace zm {
namespace {

QMessageBox::Icon IconOf(BoxIcon icon) {
    switch (icon) {
    case BoxIcon::Information:
        return QMessageBox::Information;
    case BoxIcon::Warning:
        return QMessageBox::Warning;
    case BoxIcon::Error:
        return QMessageBox::Critical;
    case BoxIcon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

} // namespace

int QtUserBoxes::Run(QWidget* owner, const QString& text, BoxIcon icon, int buttons) {
    QMessageBox box(IconOf(icon), Text(IDS_APP_TITLE), text, QMessageBox::StandardButtons(buttons),
                    owner);
    box.setAccessibleName(text);
    int answer = QMessageBox::NoButton;
    const auto run = [&] { answer = box.exec(); };
    if (reminders_)
        reminders_->RunBox(run);
    else
        run();
    return answer;
}

void QtUserBoxes::Tell(QWidget* owner, const QString& text, BoxIcon icon) {
    Run(owner, text, icon, QMessageBox::Ok);
}

bool QtUserBoxes::AskYesNo(QWidget* owner, const QString& text, BoxIcon icon) {
    return Run(owner, text, icon, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

BoxAnswer QtUserBoxes::AskYesNoCancel(QWidget* owner, const QString& text, BoxIcon icon) {
    switch (Run(owner, text, icon, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes:
        return BoxAnswer::Yes;
    case QMessageBox::No:
        return BoxAnswer::No;
    default:
        return BoxAnswer::Cancel;
    }
}

void QtUserBoxes::ReportLibraryError(QWidget* owner, LibraryResult code) {
    const std::optional<LibraryErrorBox> error = zm::ReportLibraryError(code);
    if (!error) return;
    if (error->sound != ResultSound::None) QApplication::beep();
    Run(owner, QString::fromStdString(error->text), BoxIcon::Error, QMessageBox::Ok);
}

void QtUserBoxes::Beep() {
    QApplication::beep();
}

} // namespace zm
