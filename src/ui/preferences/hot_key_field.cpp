#include "ui/preferences/hot_key_field.h"

#include "adapters/gui/qt_hot_key_code.h"
#include "preferences/entry_rules.h"
#include "ui/common/ui_text.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace zm {

HotKeyField::HotKeyField(uint16_t code, QWidget* parent) : QKeySequenceEdit(parent) {
    SetCode(code);
    // The focus goes to the field's own line edit: a screen reader reads that one's name.
    setAccessibleName(PlainText(IDS_SHORTCUT_KEY));
    if (auto* edit = findChild<QLineEdit*>()) edit->setAccessibleName(accessibleName());
}

void HotKeyField::SetCode(uint16_t code) {
    code_ = code;
    const QKeyCombination key = QtKeyOfHotKeyCode(code);
    setKeySequence(code == 0 || key.key() == Qt::Key_unknown ? QKeySequence() : QKeySequence(key));
}

void HotKeyField::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const Qt::KeyboardModifiers modifiers =
        event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if ((key == Qt::Key_Backspace || key == Qt::Key_Delete) && modifiers == Qt::NoModifier) {
        SetCode(0);
        event->accept();
        return;
    }
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
        focusNextPrevChild(key == Qt::Key_Tab); // the focus moves on
        event->accept();
        return;
    }
    event->accept();
    const uint16_t code = HotKeyCodeOfQtKey(QKeyCombination(modifiers, static_cast<Qt::Key>(key)));
    if (code == 0) return; // a modifier alone, or a key without a code
    SetCode(WithDefaultModifiers(code));
}

void HotKeyField::keyReleaseEvent(QKeyEvent* event) {
    event->accept();
}

} // namespace zm
