#include "ui/print/print_status_dialog.h"

#include "res/format_text.h"
#include "res/strings.h"
#include "ui/common/ui_text.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zm {
namespace {

constexpr int kDocumentNameLength = 31;

} // namespace

PrintStatusDialog::PrintStatusDialog(const QString& document, const QString& printer,
                                     const QString& port, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(Text(IDS_PAGE_PRINTING));
    setObjectName("PrintStatus");
    auto* layout = new QVBoxLayout(this);
    for (const QString& line : {document.left(kDocumentNameLength), printer, port})
        layout->addWidget(new QLabel(line, this), 0, Qt::AlignHCenter);
    page_ = new QLabel(this);
    layout->addWidget(page_, 0, Qt::AlignHCenter);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &PrintStatusDialog::reject);
    layout->addWidget(buttons);
    setMinimumWidth(280);
}

void PrintStatusDialog::ShowPage(int number) {
    page_->setText(QString::fromStdString(FormatText(IDS_PRINTING_PAGE, {number})));
}

void PrintStatusDialog::reject() {
    // The job notices it before its next page and abandons the document.
    cancelled_ = true;
}

} // namespace zm
