#include "ui/common/clicking_buttons.h"

#include "ui/common/ui_text.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCheckBox>
#include <QKeySequence>
#include <QRadioButton>

namespace zm {
namespace {

class ClickingButtonAccessible final : public QAccessibleWidget {
public:
    ClickingButtonAccessible(QAbstractButton* button, QAccessible::Role role)
        : QAccessibleWidget(button, role) {}

    QString text(QAccessible::Text t) const override {
        QString text = QAccessibleWidget::text(t);
        if (!text.isEmpty()) return text;
        if (t == QAccessible::Name) return WithoutMnemonic(Button()->text());
        if (t == QAccessible::Accelerator) {
            const QKeySequence key = QKeySequence::mnemonic(Button()->text());
            if (!key.isEmpty()) return key.toString(QKeySequence::NativeText);
        }
        return text;
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        const auto* box = qobject_cast<const QCheckBox*>(Button());
        const Qt::CheckState check =
            box ? box->checkState() : (Button()->isChecked() ? Qt::Checked : Qt::Unchecked);
        s.checked = check == Qt::Checked;
        s.checkStateMixed = check == Qt::PartiallyChecked;
        s.pressed = Button()->isDown();
        return s;
    }

    QStringList actionNames() const override {
        QStringList names;
        if (widget()->isEnabled()) names << toggleAction();
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& name) override {
        if (name != toggleAction() && name != pressAction())
            return QAccessibleWidget::doAction(name);
        if (widget()->isEnabled()) Button()->click();
    }

    QStringList keyBindingsForAction(const QString& name) const override {
        if (name != toggleAction()) return QAccessibleWidget::keyBindingsForAction(name);
        const QString key = text(QAccessible::Accelerator);
        return key.isEmpty() ? QStringList() : QStringList{key};
    }

private:
    QAbstractButton* Button() const { return static_cast<QAbstractButton*>(widget()); }
};

QAccessibleInterface* ClickingButtonFactory(const QString& /*key*/, QObject* object) {
    if (auto* box = qobject_cast<QCheckBox*>(object))
        return new ClickingButtonAccessible(box, QAccessible::CheckBox);
    if (auto* radio = qobject_cast<QRadioButton*>(object))
        return new ClickingButtonAccessible(radio, QAccessible::RadioButton);
    return nullptr;
}

} // namespace

void InstallClickingButtons() {
    static const bool installed = [] {
        QAccessible::installFactory(ClickingButtonFactory);
        return true;
    }();
    (void)installed;
}

} // namespace zm
