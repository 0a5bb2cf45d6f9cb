#pragma once
// How a screen reader meets the main window's own controls: the toolbar's view buttons are
// radio buttons and Find a check box, each of whose accessible action is a click, and the
// drop-down buttons show their menus; the period caption is a button that takes the focus and
// drops the calendar like a click.

#include <QAccessible>
#include <QLabel>

class QAction;
class QToolButton;

namespace zm {

// The role the toolbar button of `button` takes in the accessibility tree; its accessible press
// (and toggle) clicks it, and its keys are those of `command`, the menu's action.
void SetAccessibleButtonRole(QAction& button, const QAction& command, QAccessible::Role role);
// The same for a button of no command.
void SetAccessibleButtonRole(QToolButton& button, QAccessible::Role role);
// Names the button a tool bar or the menu bar shows for what it has no room for ("More"), and
// makes its accessible press a click.
void NameMoreButton(QWidget& bar);

// The date-range title above the list. A left click, Enter, Space or the accessible press
// send `activated`; it takes the focus by Tab and by a click and shows it with a focus frame.
class PeriodTitle final : public QLabel {
    Q_OBJECT
public:
    explicit PeriodTitle(QWidget* parent);

signals:
    void activated();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace zm
