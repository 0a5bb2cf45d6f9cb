#include "ui/common/dialog_buttons.h"

#include "ui/common/ui_text.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

namespace zm {

QDialogButtonBox* OkCancelButtons(QDialog& dialog, int okText) {
    auto* buttons = new QDialogButtonBox(&dialog);
    QPushButton* ok = buttons->addButton(Text(okText), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    buttons->addButton(Text(IDS_CANCEL), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("cancel"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return buttons;
}

} // namespace zm
