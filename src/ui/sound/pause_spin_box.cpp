#include "ui/sound/pause_spin_box.h"

namespace zm {

PauseSpinBox::PauseSpinBox(int maximum, QWidget* parent) : QSpinBox(parent) {
    setRange(0, maximum);
}

QValidator::State PauseSpinBox::validate(QString& input, int& pos) const {
    const QString digits = input.trimmed();
    bool allDigits = !digits.isEmpty();
    for (const QChar c : digits)
        allDigits = allDigits && c >= u'0' && c <= u'9';
    bool small = false;
    const qlonglong value = digits.toLongLong(&small);
    if (allDigits && (!small || value > maximum())) {
        input = QString::number(maximum());
        pos = static_cast<int>(input.size());
        return QValidator::Acceptable;
    }
    return QSpinBox::validate(input, pos);
}

} // namespace zm
