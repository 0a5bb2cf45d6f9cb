#include "ui/transfer/transfer_wizard_window.h"

#include "res/strings.h"
#include "store/text/oem_code_page.h"
#include "store/text_import.h"
#include "ui/common/ui_text.h"
#include "ui/common/window_context.h"
#include "ui/transfer/import_log_dialog.h"
#include "ui/transfer/transfer_progress.h"

#include <QLocale>

namespace zm {

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

} // namespace zm
