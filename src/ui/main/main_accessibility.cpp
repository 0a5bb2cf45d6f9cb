#include "ui/main/main_accessibility.h"

#include "ui/common/ui_text.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QToolButton>

namespace zm {
namespace {

// The dynamic properties of a toolbar action that hold its button's accessible role and the
// menu's action of its command.
constexpr char kRoleProperty[] = "zmAccessibleRole";
constexpr char kCommandProperty[] = "zmCommandAction";

// A toolbar button whose accessible press and toggle are a click: the button's action is
// triggered as by the mouse, so a view button switches the view and Find shows its bar.
class CommandButtonAccessible final : public QAccessibleWidget {
public:
    CommandButtonAccessible(QToolButton* button, QAccessible::Role role)
        : QAccessibleWidget(button, role) {}

    QString text(QAccessible::Text t) const override {
        QString text = QAccessibleWidget::text(t);
        if (!text.isEmpty()) return text;
        if (t == QAccessible::Name) return WithoutMnemonic(Button()->text());
        if (t == QAccessible::Accelerator) return Keys().value(0);
        return text;
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        const QToolButton* button = Button();
        if (button->isCheckable()) {
            s.checkable = true;
            s.checked = button->isChecked();
        }
        s.pressed = button->isDown();
        return s;
    }

    QStringList actionNames() const override {
        QStringList names;
        if (widget()->isEnabled()) names << pressAction();
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& name) override {
        if (name != pressAction() && name != toggleAction())
            return QAccessibleWidget::doAction(name);
        if (widget()->isEnabled()) Button()->click();
    }

    QStringList keyBindingsForAction(const QString& name) const override {
        return name == pressAction() ? Keys() : QAccessibleWidget::keyBindingsForAction(name);
    }

private:
    QToolButton* Button() const { return static_cast<QToolButton*>(widget()); }

    // The keys of the command the button stands for, as the menu shows them.
    QStringList Keys() const {
        QStringList keys;
        if (const QAction* action = Button()->defaultAction()) {
            const QVariant command = action->property(kCommandProperty);
            if (const auto* menuAction = command.value<const QAction*>())
                for (const QKeySequence& key : menuAction->shortcuts())
                    keys << key.toString(QKeySequence::NativeText);
        }
        return keys;
    }
};

// The period caption as a button named by the period it shows.
class PeriodTitleAccessible final : public QAccessibleWidget {
public:
    explicit PeriodTitleAccessible(PeriodTitle* caption)
        : QAccessibleWidget(caption, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<const PeriodTitle*>(widget())->text();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override {
        QStringList names;
        if (widget()->isEnabled()) names << pressAction();
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& name) override {
        if (name != pressAction()) return QAccessibleWidget::doAction(name);
        if (widget()->isEnabled()) emit static_cast<PeriodTitle*>(widget())->activated();
    }
};

QAccessibleInterface* MainAccessibleFactory(const QString& /*key*/, QObject* object) {
    if (auto* caption = qobject_cast<PeriodTitle*>(object))
        return new PeriodTitleAccessible(caption);
    auto* button = qobject_cast<QToolButton*>(object);
    if (!button || !button->defaultAction()) return nullptr;
    bool known = false;
    const int role = button->defaultAction()->property(kRoleProperty).toInt(&known);
    if (!known) return nullptr;
    return new CommandButtonAccessible(button, static_cast<QAccessible::Role>(role));
}

void InstallFactoryOnce() {
    static const bool installed = [] {
        QAccessible::installFactory(MainAccessibleFactory);
        return true;
    }();
    (void)installed;
}

} // namespace

void SetAccessibleButtonRole(QAction& button, const QAction& command, QAccessible::Role role) {
    InstallFactoryOnce();
    button.setProperty(kRoleProperty, static_cast<int>(role));
    button.setProperty(kCommandProperty, QVariant::fromValue(&command));
}

PeriodTitle::PeriodTitle(QWidget* parent) : QLabel(parent) {
    InstallFactoryOnce();
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void PeriodTitle::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QLabel::mousePressEvent(event);
    setFocus(Qt::MouseFocusReason);
    emit activated();
}

void PeriodTitle::keyPressEvent(QKeyEvent* event) {
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    const int key = event->key();
    if (plain && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
        emit activated();
        return;
    }
    QLabel::keyPressEvent(event);
}

void PeriodTitle::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus()) return;
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = rect().adjusted(1, 1, -1, -1);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

} // namespace zm
