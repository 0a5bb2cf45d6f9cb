#include "crash_report/crash_report_dialog.h"

#include "res/strings.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace zm {

CrashReportDialog::CrashReportDialog(const QString& report, QWidget* parent)
    : QDialog(parent), box_(new QPlainTextEdit(this)) {
    setWindowTitle(QString::fromUtf8(LoadString(IDS_CRASH_CAPTION)));

    auto* icon = new QLabel(this);
    const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(size, size));
    auto* headline = new QLabel(QString::fromUtf8(LoadString(IDS_CRASH_HEADLINE)), this);
    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addWidget(headline, 1);

    // The report's lines end in CR LF.
    QString text = report;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    box_->setPlainText(text);
    box_->setReadOnly(true);
    box_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box_->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    box_->setFont(font);
    const QFontMetrics metrics(font);
    box_->setMinimumSize(metrics.horizontalAdvance(QLatin1Char('0')) * 100,
                         metrics.lineSpacing() * 18);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(box_, 1);
    layout->addWidget(buttons);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
}

} // namespace zm
