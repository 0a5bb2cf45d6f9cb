#pragma once
// A field where the user types a shortcut key: it takes one combination at a time, and a key
// typed without Shift, Ctrl or Alt becomes Ctrl+Alt plus that key. Backspace or Delete alone
// empties it (no shortcut).

#include <QKeySequenceEdit>
#include <cstdint>

namespace zm {

class HotKeyField final : public QKeySequenceEdit {
    Q_OBJECT
public:
    explicit HotKeyField(uint16_t code, QWidget* parent = nullptr);

    // The hot-key code shown; 0 for none.
    uint16_t Code() const { return code_; }
    void SetCode(uint16_t code);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    uint16_t code_ = 0;
};

} // namespace zm
