#include "ui/transfer/transfer_wizard.h"

#include "res/strings.h"
#include "store/import_export.h"
#include "store/text/oem_code_page.h"
#include "store/text_import.h"
#include "ui/common/user_boxes.h"
#include "ui/common/window_context.h"
#include "ui/reminder/reminder_window_set.h"
#include "ui/transfer/import_log_dialog.h"
#include "ui/transfer/transfer_file_check.h"
#include "ui/transfer/transfer_progress.h"
#include "ui/transfer/transfer_wizard_window.h"

#include <QFileDialog>
#include <QLocale>

namespace zm {

namespace {

QString Text(int id) {
    return QString::fromUtf8(LoadString(id));
}

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

TransferWizard::TransferWizard(WindowContext& context, UserBoxes& boxes, StoreFileSystem& files,
                               TransferEvents events, QWidget* parent)
    : QWizard(parent), context_(context), boxes_(boxes), files_(files),
      events_(std::move(events)), env_{context, boxes, files, choices_, !events_.selected.empty()} {
    choices_.dateOrder = DefaultImportDateOrder(context.settings, context.formats.Locale());
    choices_.oemCodePage = OemCodePageForLocale(QLocale::system().name().toStdString());
    setWindowTitle(Text(IDS_IE_TITLE));
    setWizardStyle(QWizard::ClassicStyle);
    setOption(QWizard::NoBackButtonOnStartPage);
    setLayoutDirection(context.rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    start_ = new TransferStartPage(env_);
    kind_ = new TransferKindPage(env_);
    file_ = new TransferFilePage(env_);
    fields_ = new TransferFieldsPage(env_);
    defaults_ = new TransferDefaultsPage(env_);
    setPage(kStartPage, start_);
    setPage(kKindPage, kind_);
    setPage(kFilePage, file_);
    setPage(kFieldsPage, fields_);
    setPage(kDefaultsPage, defaults_);
    setStartId(kStartPage);
    resize(520, 400);
    showLog = [this](const ImportLog& log) {
        ImportLogDialog dialog(log, this);
        dialog.exec();
    };
}

TransferOutcome TransferWizard::Perform() {
    TransferOutcome outcome;
    {
        TransferProgress progress(parentWidget(), progressDelay);
        ProgressFiles files(files_, progress);
        context_.store.AddListener(progress);
        outcome = PerformTransfer(context_, files, choices_, events_);
        context_.store.RemoveListener(progress);
    }
    TellTransferOutcome(boxes_, parentWidget(), outcome, showLog);
    return outcome;
}

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
