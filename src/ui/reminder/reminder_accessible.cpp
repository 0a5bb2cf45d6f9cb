#include "ui/reminder/reminder_accessible.h"

#include "ui/reminder/caption_bar.h"
#include "ui/reminder/reminder_window.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleWidget>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QWindow>
#include <array>

namespace zm {
namespace {

constexpr std::array kCaptionButtons{CaptionBar::Button::Collapse, CaptionBar::Button::Pin,
                                     CaptionBar::Button::Minimise};

// The window itself: an alert, so that a screen reader reads it out as it appears.
class ReminderWindowAccessible final : public QAccessibleWidget {
public:
    explicit ReminderWindowAccessible(ReminderWindow* window)
        : QAccessibleWidget(window, QAccessible::AlertMessage) {}
};

// The event's name line and notes: read-only texts, read as labels; the lines between the
// parts are separators.
class ReminderTextAccessible final : public QAccessibleWidget {
public:
    explicit ReminderTextAccessible(QWidget* text)
        : QAccessibleWidget(text, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name) return QAccessibleWidget::text(t);
        if (auto* line = qobject_cast<QLineEdit*>(widget())) return line->text();
        if (auto* notes = qobject_cast<QPlainTextEdit*>(widget())) return notes->toPlainText();
        return {};
    }
    // The notes' scroll bars and viewport are no parts of a label.
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
};

// One glyph button of the caption bar: a push button that presses as a click does.
class CaptionButtonAccessible final : public QAccessibleInterface,
                                      public QAccessibleActionInterface {
public:
    CaptionButtonAccessible(CaptionBar* bar, CaptionBar::Button button)
        : bar_(bar), button_(button) {}

    bool isValid() const override { return bar_; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return bar_ ? bar_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(bar_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name || !bar_) return {};
        return CaptionBar::ButtonName(button_, bar_->IsCollapsed());
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!bar_) return {};
        const QRect r = bar_->ButtonRect(button_);
        return QRect(bar_->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override { return QAccessible::Button; }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!bar_ || !bar_->isVisible()) s.invisible = true;
        if (button_ == CaptionBar::Button::Pin) {
            s.checkable = true;
            s.checked = bar_ && bar_->Pinned();
        }
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (name == pressAction() && bar_) bar_->Press(button_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<CaptionBar> bar_;
    CaptionBar::Button button_;
};

// The caption bar: a group named by the caption, with its three buttons as children (a title
// bar would reach a screen reader as an editable text).
class CaptionBarAccessible final : public QAccessibleWidget {
public:
    explicit CaptionBarAccessible(CaptionBar* bar)
        : QAccessibleWidget(bar, QAccessible::Grouping) {}
    ~CaptionBarAccessible() override {
        for (QAccessible::Id id : buttons_)
            if (id != 0) QAccessible::deleteAccessibleInterface(id);
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return static_cast<CaptionBar*>(widget())->Text();
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return static_cast<int>(kCaptionButtons.size()); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) return nullptr;
        QAccessible::Id& id = buttons_[index];
        if (id == 0)
            id = QAccessible::registerAccessibleInterface(new CaptionButtonAccessible(
                static_cast<CaptionBar*>(widget()), kCaptionButtons[index]));
        return QAccessible::accessibleInterface(id);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int i = 0; i < childCount(); ++i)
            if (buttons_[i] != 0 && QAccessible::accessibleInterface(buttons_[i]) == child)
                return i;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = 0; i < childCount(); ++i)
            if (QAccessibleInterface* c = child(i); c && c->rect().contains(x, y)) return c;
        return nullptr;
    }

private:
    mutable std::array<QAccessible::Id, kCaptionButtons.size()> buttons_{};
};

bool InReminderWindow(const QObject* object) {
    return object && qobject_cast<const ReminderWindow*>(object->parent());
}

QAccessibleInterface* ReminderAccessibleFactory(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType()) return nullptr;
    if (className == QLatin1String("zm::ReminderWindow"))
        return new ReminderWindowAccessible(static_cast<ReminderWindow*>(object));
    if (className == QLatin1String("zm::CaptionBar"))
        return new CaptionBarAccessible(static_cast<CaptionBar*>(object));
    if ((className == QLatin1String("QLineEdit") || className == QLatin1String("QPlainTextEdit")) &&
        InReminderWindow(object))
        return new ReminderTextAccessible(static_cast<QWidget*>(object));
    if (className == QLatin1String("QFrame") && InReminderWindow(object))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Separator);
    return nullptr;
}

} // namespace

void InstallReminderAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(ReminderAccessibleFactory);
        return true;
    }();
    (void)installed;
}

} // namespace zm
