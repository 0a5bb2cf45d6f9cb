#pragma once
// The editors' amount fields ("&Remind:", "Durat&ion:"): the fixed list of amounts, or the
// user's own text.

#include "model/amount_choices.h"

#include <QComboBox>

namespace zm {

class AmountBox final : public QComboBox {
    Q_OBJECT
public:
    // withZero: the list starts with "0 minutes" (the advance notice).
    explicit AmountBox(bool withZero, QWidget* parent = nullptr);

    // Shows the amount: its entry, or its text; not a change of the user's.
    void SetAmount(TimeAmount amount);
    // Reads the field; on success it shows the amount's own text.
    AmountChoiceResult Read();

signals:
    // The user typed or chose an amount.
    void userEdited();

private:
    bool withZero_;
};

} // namespace zm
