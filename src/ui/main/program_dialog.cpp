#include "ui/main/program_dialog.h"

#include "ui/reminder/reminder_window_set.h"

#include <QApplication>

namespace zm {

void ProgramDialogGuard::Raise() const {
    QWidget* front = QApplication::activeModalWidget();
    if (!front) return;
    if (front->isMinimized()) front->showNormal();
    front->raise();
    front->activateWindow();
}

ProgramDialogGuard::Scope::Scope(ProgramDialogGuard& guard, ProgramDialog kind, uint16_t editorKey)
    : guard_(guard) {
    guard_.open_ = true;
    if (guard_.reminders_) guard_.reminders_->SetProgramDialog(kind, editorKey);
}

ProgramDialogGuard::Scope::~Scope() {
    guard_.open_ = false;
    if (guard_.reminders_) guard_.reminders_->SetProgramDialog(ProgramDialog::None);
}

} // namespace zm
