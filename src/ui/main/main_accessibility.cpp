#include "ui/main/main_accessibility.h"

#include "res/strings.h"
#include "ui/common/ui_text.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QKeyEvent>
#include <QMenu>
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
// triggered as by the mouse, so a view button switches the view and Find shows its bar. A
// button with a menu shows it; one that only drops its menu does so on a press too.
class CommandButtonAccessible final : public QAccessibleWidget {
public:
    CommandButtonAccessible(QToolButton* button, QAccessible::Role role)
        : QAccessibleWidget(button, role) {}

    QString text(QAccessible::Text t) const override {
        QString text = QAccessibleWidget::text(t);
        if (!text.isEmpty()) return text;
        if (t == QAccessible::Name) return WithoutMnemonic(Button()->text());
        if (t == QAccessible::Accelerator && !OnlyDrops()) return Keys().value(0);
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
        s.hasPopup = Menu() != nullptr;
        return s;
    }

    QStringList actionNames() const override {
        QStringList names;
        if (widget()->isEnabled()) {
            if (!OnlyDrops()) names << pressAction();
            if (Menu()) names << showMenuAction();
        }
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& name) override {
        const bool press = name == pressAction() || name == toggleAction();
        if (!press && name != showMenuAction()) return QAccessibleWidget::doAction(name);
        if (!widget()->isEnabled()) return;
        if (press && !OnlyDrops())
            Button()->click();
        else if (Menu())
            // The menu runs its own loop: it opens once the reader's request has been answered.
            QMetaObject::invokeMethod(Button(), &QToolButton::showMenu, Qt::QueuedConnection);
    }

    QStringList keyBindingsForAction(const QString& name) const override {
        if (name == pressAction() && !OnlyDrops()) return Keys();
        return name == showMenuAction() ? QStringList()
                                        : QAccessibleWidget::keyBindingsForAction(name);
    }

private:
    QToolButton* Button() const { return static_cast<QToolButton*>(widget()); }
    QMenu* Menu() const {
        const QAction* action = Button()->defaultAction();
        return action ? action->menu() : Button()->menu();
    }
    bool OnlyDrops() const { return Menu() && Button()->popupMode() == QToolButton::InstantPopup; }

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
    if (!button) return nullptr;
    bool known = false;
    int role = button->property(kRoleProperty).toInt(&known);
    if (!known && button->defaultAction())
        role = button->defaultAction()->property(kRoleProperty).toInt(&known);
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

void SetAccessibleButtonRole(QToolButton& button, QAccessible::Role role) {
    InstallFactoryOnce();
    button.setProperty(kRoleProperty, static_cast<int>(role));
}

void NameMoreButton(QWidget& bar) {
    for (auto* more : bar.findChildren<QToolButton*>(Qt::FindDirectChildrenOnly)) {
        if (!more->objectName().endsWith("_ext_button")) continue;
        SetAccessibleButtonRole(*more, QAccessible::Button);
        more->setAccessibleName(Text(IDS_BAR_MORE));
        more->setToolTip(Text(IDS_BAR_MORE));
    }
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
