#include "ui/reminder/reminder_boxes.h"

#include "res/strings.h"

#include <QMessageBox>

namespace zm {

int QtReminderBoxes::Run(QWidget* owner, int icon, const QString& text, int buttons, int preferred,
                         bool topMost) {
    QMessageBox box(static_cast<QMessageBox::Icon>(icon),
                    QString::fromUtf8(LoadString(IDS_APP_TITLE)), text,
                    static_cast<QMessageBox::StandardButtons>(buttons), owner);
    box.setDefaultButton(static_cast<QMessageBox::StandardButton>(preferred));
    box.setWindowModality(owner ? Qt::WindowModal : Qt::NonModal);
    if (topMost) box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    open_.emplace_back(&box);
    const int answer = box.exec();
    std::erase_if(open_, [&box](const QPointer<QMessageBox>& b) { return !b || b == &box; });
    return answer;
}

void QtReminderBoxes::Warn(QWidget* owner, const QString& text) {
    Run(owner, QMessageBox::Warning, text, QMessageBox::Ok, QMessageBox::Ok, false);
}

bool QtReminderBoxes::AskYesNo(QWidget* owner, const QString& text) {
    return Run(owner, QMessageBox::Warning, text, QMessageBox::Yes | QMessageBox::No,
               QMessageBox::No, false) == QMessageBox::Yes;
}

void QtReminderBoxes::ShowError(QWidget* owner, const QString& text) {
    Run(owner, QMessageBox::Critical, text, QMessageBox::Ok, QMessageBox::Ok, true);
}

void QtReminderBoxes::CloseOpenBoxes() {
    for (const QPointer<QMessageBox>& box : open_)
        if (box) box->done(QMessageBox::Cancel);
}

} // namespace zm
