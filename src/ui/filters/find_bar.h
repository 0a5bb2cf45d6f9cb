#pragma once
// The find bar under the list: the search text with its history, "Match case" and "Find Now".

#include "list/find_history.h"

#include <QStringList>
#include <QWidget>
#include <memory>

class QCheckBox;
class QComboBox;
class QPushButton;

namespace zm {

struct WindowContext;
class UserBoxes;

class FindBar final : public QWidget {
    Q_OBJECT
public:
    // Its messages go through `boxes`, which outlive the bar.
    FindBar(WindowContext& context, UserBoxes& boxes, QWidget* parent = nullptr);
    ~FindBar() override;
    // The text field takes the focus (the Tab key from the list moves here; `last` for
    // Shift+Tab: the bar's last control).
    void FocusInto(bool last = false);

    // "Find Now" (the button, the Enter key in the text field, or the main window's command):
    // an empty text is refused with a message; any other enters the history and is asked for.
    void FindNow();
    // The search for `text` listed nothing: says so and puts the focus back into the text field.
    void TellNotFound(const QString& text);
    // The history, most recent first.
    QStringList History() const;

signals:
    // "Find Now" with a text that is not empty (the history was updated).
    void findRequested(const QString& text, bool matchCase);

private:
    void Build();

    UserBoxes* boxes_;
    FindHistory history_;
    QComboBox* text_ = nullptr;
    QCheckBox* matchCase_ = nullptr;
    QPushButton* findNow_ = nullptr;
};

} // namespace zm
