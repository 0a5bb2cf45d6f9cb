#include "ui/transfer/import_log_dialog.h"

#include "res/strings.h"
#include "ui/common/ui_text.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace zm {

ImportLogDialog::ImportLogDialog(const ImportLog& log, QWidget* parent) : QDialog(parent) {
    setWindowTitle(Text(IDS_IMPORT_LOG_CAPTION));
    auto* layout = new QVBoxLayout(this);
    lines_ = new QListWidget(this);
    lines_->setAccessibleName(windowTitle());
    for (const ImportLogEntry& entry : log)
        lines_->addItem(QString::fromStdString(ImportLogLine(entry)));
    layout->addWidget(lines_);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* close = buttons->addButton(Text(IDS_CLOSE), QDialogButtonBox::RejectRole);
    close->setDefault(true);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(460, 300);
}

} // namespace zm
