#pragma once
// Window tests: the controls a screen reader would announce without a name. Every button, box,
// field and slider of the window counts, with the choices of its boxes and the entries of its
// lists, on every page of its stacks and tabs; what the window hides for good (a control without
// a use, a toolbar's unused extension) does not.

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStackedWidget>
#include <QStringList>
#include <QTextEdit>
#include <QWidget>
#include <string>

namespace zm::testing {

inline bool IsInteractiveControl(const QWidget& w) {
    if (qobject_cast<const QScrollBar*>(&w)) return false; // read by its value
    // The line edits of combo and spin boxes are named by their box.
    if (qobject_cast<const QLineEdit*>(&w))
        return !qobject_cast<const QComboBox*>(w.parentWidget()) &&
               !qobject_cast<const QAbstractSpinBox*>(w.parentWidget());
    return qobject_cast<const QAbstractButton*>(&w) || qobject_cast<const QComboBox*>(&w) ||
           qobject_cast<const QAbstractSpinBox*>(&w) || qobject_cast<const QAbstractSlider*>(&w) ||
           qobject_cast<const QPlainTextEdit*>(&w) || qobject_cast<const QTextEdit*>(&w);
}

// Hidden by the window itself, not only as a page that is not the current one.
inline bool HiddenForGood(const QWidget& w, const QWidget& root) {
    for (const QWidget* at = &w; at && at != &root; at = at->parentWidget())
        if (at->isHidden() && !qobject_cast<const QStackedWidget*>(at->parentWidget())) return true;
    return false;
}

// A name is read as words: signs alone ("<>", "...") are not one.
inline bool HasWords(const QString& text) {
    for (QChar c : text)
        if (c.isLetterOrNumber()) return true;
    return false;
}

// Rows of a list or choices of a box read as no words: neither their text nor the text given
// for screen readers.
inline QList<int> WordlessRows(const QAbstractItemModel& model, const QModelIndex& root,
                               int column) {
    QList<int> rows;
    for (int i = 0; i < model.rowCount(root); ++i) {
        const QModelIndex at = model.index(i, column, root);
        if (!HasWords(at.data().toString()) &&
            !HasWords(at.data(Qt::AccessibleTextRole).toString()))
            rows << i;
    }
    return rows;
}

// "QToolButton typeButton in QDialog" for each nameless control of the window, one a line; a
// button that shows only signs or a picture needs a tooltip as well ("... without a tooltip").
inline std::string NamelessControls(QWidget& root) {
    QStringList nameless;
    for (QWidget* w : root.findChildren<QWidget*>()) {
        if (HiddenForGood(*w, root)) continue;
        const QString what = QStringLiteral("%1 %2 in %3")
                                 .arg(QLatin1String(w->metaObject()->className()), w->objectName(),
                                      QLatin1String(w->parentWidget()->metaObject()->className()));
        if (const auto* list = qobject_cast<const QListView*>(w); list && list->model())
            for (int row : WordlessRows(*list->model(), list->rootIndex(), list->modelColumn()))
                nameless << what + QStringLiteral(" entry %1").arg(row);
        if (!IsInteractiveControl(*w)) continue;
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        if (!a || !HasWords(a->text(QAccessible::Name))) nameless << what;
        if (const auto* box = qobject_cast<const QComboBox*>(w))
            for (int row : WordlessRows(*box->model(), box->rootModelIndex(), box->modelColumn()))
                nameless << what + QStringLiteral(" choice %1").arg(row);
        const auto* button = qobject_cast<const QAbstractButton*>(w);
        const bool signsOrPicture =
            button &&
            (button->text().isEmpty() ? !button->icon().isNull() : !HasWords(button->text()));
        if (signsOrPicture && button->toolTip().isEmpty())
            nameless << what + QStringLiteral(" without a tooltip");
    }
    return nameless.join(QLatin1Char('\n')).toStdString();
}

} // namespace zm::testing
