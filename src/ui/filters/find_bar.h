#pragma once
// The find bar under the list: the search text with its history, "Match case" and "Find Now".

#include <QWidget>

namespace zm {

struct WindowContext;

class FindBar final : public QWidget {
    Q_OBJECT
public:
    explicit FindBar(WindowContext& context, QWidget* parent = nullptr);
    ~FindBar() override;
    // The text field takes the focus (the Tab key from the list moves here; `last` for
    // Shift+Tab: the bar's last control).
    void FocusInto(bool last = false);

signals:
    // "Find Now" with a text that is not empty (the history was updated).
    void findRequested(const QString& text, bool matchCase);
};

} // namespace zm
