#include "ui/transfer/transfer_wizard.h"

#include "res/strings.h"
#include "store/import_export.h"
#include "store/text/oem_code_page.h"
#include "store/text_import.h"
#include "store/transfer/transfer_file_check.h"
#include "ui/common/ui_text.h"
#include "ui/common/user_boxes.h"
#include "ui/common/window_context.h"
#include "ui/transfer/import_log_dialog.h"
#include "ui/transfer/transfer_progress.h"
#include "ui/transfer/transfer_wizard_window.h"

#include <QFileDialog>
#include <QLocale>

namespace zm {

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
    TransferWizard wizard(context, boxes, files, events, parent);
    if (wizard.exec() == QDialog::Accepted) wizard.Perform();
}

void RunHolidayMerge(WindowContext& context, UserBoxes& boxes, QWidget* parent) {
    QString path;
    {
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
