#include "ui/transfer/transfer_wizard.h"

#include "res/strings.h"
#include "store/import_export.h"
#include "store/text/oem_code_page.h"
#include "store/text_import.h"
#include "store/transfer/transfer_file_check.h"
#include "ui/common/ui_text.h"
#include "ui/common/user_boxes.h"
#include "ui/common/window_context.h"
#include "ui/reminder/reminder_window_set.h"
#include "ui/transfer/import_log_dialog.h"
#include "ui/transfer/transfer_progress.h"
#include "ui/transfer/transfer_wizard_window.h"

#include <QFileDialog>
#include <QLocale>

namespace zm {

namespace {

// The reminder windows keep their event buttons disabled while a program dialog is open.
class ProgramDialogScope {
public:
    explicit ProgramDialogScope(WindowContext& context) : reminders_(context.reminders) {
        if (reminders_) reminders_->SetProgramDialog(ProgramDialog::Other);
    }
    ~ProgramDialogScope() {
        if (reminders_) reminders_->SetProgramDialog(ProgramDialog::None);
    }
    ProgramDialogScope(const ProgramDialogScope&) = delete;
    ProgramDialogScope& operator=(const ProgramDialogScope&) = delete;

private:
    ReminderWindowSet* reminders_;
};

} // namespace

void RunTransferWizard(WindowContext& context, UserBoxes& boxes, QWidget* parent) {
    TransferEvents events;
    (void)context.store.ForEachStored([&](uint16_t key) {
        events.all.push_back(key);
        return LibraryResult::Ok;
    });
    RunTransferWizard(context, boxes, parent, events);
}

void RunTransferWizard(WindowContext& context, UserBoxes& boxes, QWidget* parent,
                       const TransferEvents& events) {
    PosixFileSystem files;
    ProgramDialogScope dialogOpen(context);
    TransferWizard wizard(context, boxes, files, events, parent);
    if (wizard.exec() == QDialog::Accepted) wizard.Perform();
}

void RunHolidayMerge(WindowContext& context, UserBoxes& boxes, QWidget* parent) {
    QString path;
    {
        ProgramDialogScope dialogOpen(context);
        QFileDialog dialog(parent, Text(IDS_BROWSE));
        dialog.setNameFilter(
            QString::fromStdString(DialogFilterOf(LoadString(IDS_HOLIDAY_FILE_FILTER))));
        dialog.setDefaultSuffix(QStringLiteral("vrh"));
        dialog.setDirectory(QString::fromStdString(FolderOf(context.store.LibraryPath())));
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
        path = dialog.selectedFiles().constFirst();
    }
    MergeHolidays(context, boxes, parent, path.toStdString());
}

void MergeHolidays(WindowContext& context, UserBoxes& boxes, QWidget* parent,
                   const std::string& path) {
    LibraryResult rc;
    {
        TransferProgress progress(parent);
        context.store.AddListener(progress);
        rc = MergeHolidayFile(context.store, path);
        context.store.RemoveListener(progress);
    }
    if (rc != LibraryResult::Ok) boxes.ReportLibraryError(parent, rc);
}

} // namespace zm
