#pragma once
// The caption bar a reminder window draws in its own colours: the small icon at the left (a
// click opens the window's menu), the recurrence mark for a recurring event, the caption text
// (left-aligned or centred), and three glyph buttons at the right, from right to left:
// minimise, "Always on Top" (the pin, drawn pressed while the window is top-most) and
// "Collapse" / "Expand". A button acts when the mouse is released over the button it was
// pressed on, and is drawn pressed while the mouse is over it. Dragging the bar moves the
// window through the window system's move request; a double click collapses or expands it.

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QWidget>

namespace zm {

class CaptionBar final : public QWidget {
    Q_OBJECT

public:
    enum class Button { None, Minimise, Pin, Collapse };

    CaptionBar(const QFont& font, QWidget* parent);

    // The height the bar needs for its font.
    int BarHeight() const;

    void SetText(const QString& text);
    QString Text() const { return text_; }
    void SetIcon(const QIcon& icon);
    void SetColours(const QColor& text, const QColor& back, const QColor& light,
                    const QColor& dark);
    void SetRecurring(bool on);
    void SetCentred(bool on);
    void SetRightToLeft(bool on);
    void SetPinned(bool on);
    void SetCollapsed(bool on);

    bool Pinned() const { return pinned_; }
    bool IsCollapsed() const { return collapsed_; }

    // Where each button is drawn, in the bar's coordinates.
    QRect ButtonRect(Button button) const;
    QRect IconRect() const;
    // What a button is called: its tooltip, or "Minimize".
    static QString ButtonName(Button button, bool collapsed);
    // A button pressed without the mouse (by a screen reader's action): acts as a click.
    void Press(Button button);

signals:
    void buttonClicked(zm::CaptionBar::Button button);
    void menuRequested(QPoint globalPos);
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    Button ButtonAt(QPoint p) const;
    void DrawButton(QPainter& p, Button button, int glyph);

    QFont font_;
    QString text_;
    QIcon icon_;
    QColor textColour_;
    QColor back_;
    QColor light_;
    QColor dark_;
    bool recurring_ = false;
    bool centred_ = false;
    bool rightToLeft_ = false;
    bool pinned_ = false;
    bool collapsed_ = false;
    Button pressed_ = Button::None;
    bool overPressed_ = false;
    bool dragging_ = false;
    QPoint dragFrom_;
};

} // namespace zm
