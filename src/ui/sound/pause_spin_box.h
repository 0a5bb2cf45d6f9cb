#pragma once
// A number field of the repeat pause: typing more than its largest value gives the largest
// value instead of refusing the key.

#include <QSpinBox>

namespace zm {

class PauseSpinBox final : public QSpinBox {
    Q_OBJECT
public:
    PauseSpinBox(int maximum, QWidget* parent = nullptr);

protected:
    QValidator::State validate(QString& input, int& pos) const override;
};

} // namespace zm
