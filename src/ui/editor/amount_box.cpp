#include "ui/editor/amount_box.h"

#include "model/describe.h"

#include <QLineEdit>
#include <QSignalBlocker>

namespace zm {

AmountBox::AmountBox(bool withZero, QWidget* parent) : QComboBox(parent), withZero_(withZero) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    for (TimeAmount amount : AmountChoices(withZero))
        addItem(QString::fromStdString(DescribeAmount(amount)), amount.word);
    connect(lineEdit(), &QLineEdit::textEdited, this, &AmountBox::userEdited);
    connect(this, &QComboBox::activated, this, &AmountBox::userEdited);
}

void AmountBox::SetAmount(TimeAmount amount) {
    const QSignalBlocker hold(this);
    const int entry = FindAmountChoice(amount, withZero_);
    setCurrentIndex(entry);
    if (entry < 0) setEditText(QString::fromStdString(DescribeAmount(amount)));
}

AmountChoiceResult AmountBox::Read() {
    const AmountChoiceResult result =
        ReadAmountChoice(currentIndex(), currentText().toStdString(), withZero_);
    if (result.code == kAmountOk) {
        const QSignalBlocker hold(this);
        const int entry = FindAmountChoice(result.amount, withZero_);
        setCurrentIndex(entry);
        if (entry < 0) setEditText(QString::fromStdString(result.text));
    }
    return result;
}

} // namespace zm
