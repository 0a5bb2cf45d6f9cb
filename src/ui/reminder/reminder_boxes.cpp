#include "ui/reminder/reminder_boxes.h"

#include "res/strings.h"

#include <QMessageBox>

namespace zm {

namespace {

int RunBox(QWidget* owner, QMessageBox::Icon icon, const QString& text,
           QMessageBox::StandardButtons buttons, QMessageBox::StandardButton preferred,
           bool topMost) {
    QMessageBox box(icon, QString::fromUtf8(LoadString(IDS_APP_TITLE)), text, buttons, owner);
    box.setDefaultButton(preferred);
    box.setWindowModality(owner ? Qt::WindowModal : Qt::NonModal);
    if (topMost) box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    return box.exec();
}

} // namespace

void QtReminderBoxes::Warn(QWidget* owner, const QString& text) {
    RunBox(owner, QMessageBox::Warning, text, QMessageBox::Ok, QMessageBox::Ok, false);
}

bool QtReminderBoxes::AskYesNo(QWidget* owner, const QString& text) {
    return RunBox(owner, QMessageBox::Warning, text, QMessageBox::Yes | QMessageBox::No,
                  QMessageBox::No, false) == QMessageBox::Yes;
}

void QtReminderBoxes::ShowError(QWidget* owner, const QString& text) {
    RunBox(owner, QMessageBox::Critical, text, QMessageBox::Ok, QMessageBox::Ok, true);
}

} // namespace zm
