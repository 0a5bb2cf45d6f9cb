#pragma once
// The label before the snooze amount. It takes the focus when the window opens, so that a key
// pressed by chance while the reminder appears does nothing: while it has the focus every key
// except Tab and Shift is swallowed, Enter and Space included. Alt with a letter still reaches
// the buttons' mnemonics, and the label's own mnemonic moves to the amount box.

#include <QLabel>

namespace zm {

class SnoozeLabel final : public QLabel {
    Q_OBJECT

public:
    SnoozeLabel(const QString& text, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace zm
