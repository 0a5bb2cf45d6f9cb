#include "ui/common/program_dialog.h"

#include "ui/common/reminder_hold.h"
#include "ui/common/user_boxes.h"

#include <QApplication>
#include <QWidget>

namespace zm {

void ProgramDialogGuard::Raise() const {
    QWidget* front = QApplication::activeModalWidget();
    if (!front) return;
    if (front->isMinimized()) front->showNormal();
    front->raise();
    front->activateWindow();
}

bool ProgramDialogGuard::RefuseWhenOpen() const {
    if (!open_) return false;
    boxes_.Beep();
    Raise();
    return true;
}

std::optional<ProgramDialogGuard::Scope> ProgramDialogGuard::TryOpen(ProgramDialog kind,
                                                                     uint16_t editorKey) {
    if (RefuseWhenOpen()) return std::nullopt;
    return std::optional<Scope>(std::in_place, *this, kind, editorKey);
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
