#include "ui/reminder/caption_bar.h"

#include "res/strings.h"
#include "ui/reminder/caption_glyphs.h"

#include <QApplication>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWindow>

namespace zm {

namespace {

constexpr int kButtonWidth = kGlyphWidth + 4;
constexpr int kButtonHeight = kGlyphHeight + 4;
constexpr int kGap = 2;
constexpr int kIconSize = 16;

} // namespace

CaptionBar::CaptionBar(const QFont& font, QWidget* parent) : QWidget(parent), font_(font) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

int CaptionBar::BarHeight() const {
    return std::max(kIconSize + 4, QFontMetrics(font_).height() + 6);
}

void CaptionBar::SetText(const QString& text) {
    text_ = text;
    update();
}

void CaptionBar::SetIcon(const QIcon& icon) {
    icon_ = icon;
    update();
}

void CaptionBar::SetColours(const QColor& text, const QColor& back, const QColor& light,
                            const QColor& dark) {
    textColour_ = text;
    back_ = back;
    light_ = light;
    dark_ = dark;
    update();
}

void CaptionBar::SetRecurring(bool on) {
    recurring_ = on;
    update();
}

void CaptionBar::SetCentred(bool on) {
    centred_ = on;
    update();
}

void CaptionBar::SetRightToLeft(bool on) {
    rightToLeft_ = on;
    update();
}

void CaptionBar::SetPinned(bool on) {
    pinned_ = on;
    update();
}

void CaptionBar::SetCollapsed(bool on) {
    collapsed_ = on;
    update();
}

QRect CaptionBar::IconRect() const {
    return {kGap, (height() - kIconSize) / 2, kIconSize, kIconSize};
}

QRect CaptionBar::ButtonRect(Button button) const {
    int slot = 0; // from the right
    switch (button) {
    case Button::Minimise:
        slot = 0;
        break;
    case Button::Pin:
        slot = 1;
        break;
    case Button::Collapse:
        slot = 2;
        break;
    case Button::None:
        return {};
    }
    const int x = width() - kGap - (slot + 1) * (kButtonWidth + kGap) + kGap;
    return {x, (height() - kButtonHeight) / 2, kButtonWidth, kButtonHeight};
}

CaptionBar::Button CaptionBar::ButtonAt(QPoint p) const {
    for (Button b : {Button::Minimise, Button::Pin, Button::Collapse})
        if (ButtonRect(b).contains(p)) return b;
    return Button::None;
}

void CaptionBar::DrawButton(QPainter& p, Button button, int glyph) {
    const QRect r = ButtonRect(button);
    const bool down = (pressed_ == button && overPressed_) || (button == Button::Pin && pinned_);
    p.fillRect(r, back_);
    p.setPen(down ? dark_ : light_);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(down ? light_ : dark_);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
    const int shift = down ? 1 : 0;
    p.drawPixmap(
        r.x() + 2 + shift, r.y() + 2 + shift,
        CaptionGlyphPixmap(static_cast<CaptionGlyph>(glyph), textColour_, devicePixelRatioF()));
}

void CaptionBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), back_);
    p.setPen(dark_);
    p.drawLine(0, height() - 1, width(), height() - 1);
    icon_.paint(&p, IconRect());

    int left = IconRect().right() + 2 * kGap;
    if (recurring_) {
        p.drawPixmap(left, (height() - kGlyphHeight) / 2,
                     CaptionGlyphPixmap(CaptionGlyph::Recurring, textColour_, devicePixelRatioF()));
        left += kGlyphWidth + kGap;
    }
    const int right = ButtonRect(Button::Collapse).left() - 2 * kGap;
    const QRect textRect(left, 0, std::max(0, right - left), height());
    p.setFont(font_);
    p.setPen(textColour_);
    const QString shown = QFontMetrics(font_).elidedText(text_, Qt::ElideRight, textRect.width());
    int flags = Qt::AlignVCenter | Qt::TextSingleLine;
    if (centred_)
        flags |= Qt::AlignHCenter;
    else
        flags |= rightToLeft_ ? Qt::AlignRight : Qt::AlignLeft;
    p.drawText(textRect, flags, shown);

    DrawButton(p, Button::Collapse,
               static_cast<int>(collapsed_ ? CaptionGlyph::Expand : CaptionGlyph::Collapse));
    DrawButton(p, Button::Pin,
               static_cast<int>(pinned_ ? CaptionGlyph::PinPressed : CaptionGlyph::PinReleased));
    DrawButton(p, Button::Minimise, static_cast<int>(CaptionGlyph::Minimise));
}

void CaptionBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        if (event->button() == Qt::RightButton)
            emit menuRequested(event->globalPosition().toPoint());
        return;
    }
    const QPoint pos = event->position().toPoint();
    if (IconRect().contains(pos)) {
        emit menuRequested(mapToGlobal(IconRect().bottomLeft()));
        return;
    }
    pressed_ = ButtonAt(pos);
    overPressed_ = pressed_ != Button::None;
    if (pressed_ != Button::None) {
        update();
        return;
    }
    dragFrom_ = pos; // the window moves once the mouse goes on with the button down
    dragging_ = true;
}

void CaptionBar::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_ && (event->buttons() & Qt::LeftButton) &&
        (event->position().toPoint() - dragFrom_).manhattanLength() >=
            QApplication::startDragDistance()) {
        dragging_ = false;
        if (QWindow* w = window()->windowHandle()) w->startSystemMove();
        return;
    }
    if (pressed_ == Button::None) return;
    const bool over = ButtonAt(event->position().toPoint()) == pressed_;
    if (over != overPressed_) {
        overPressed_ = over;
        update();
    }
}

void CaptionBar::mouseReleaseEvent(QMouseEvent* event) {
    dragging_ = false;
    if (event->button() != Qt::LeftButton || pressed_ == Button::None) return;
    const Button pressed = pressed_;
    const bool over = ButtonAt(event->position().toPoint()) == pressed;
    pressed_ = Button::None;
    overPressed_ = false;
    update();
    if (over) emit buttonClicked(pressed);
}

void CaptionBar::mouseDoubleClickEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (event->button() == Qt::LeftButton && ButtonAt(pos) == Button::None &&
        !IconRect().contains(pos))
        emit doubleClicked();
}

QString CaptionBar::ButtonName(Button button, bool collapsed) {
    int id = 0;
    switch (button) {
    case Button::Minimise:
        id = IDS_REMINDER_MINIMISE_NAME;
        break;
    case Button::Pin:
        id = IDS_REMINDER_TIP_ALWAYS_ON_TOP;
        break;
    case Button::Collapse:
        id = collapsed ? IDS_REMINDER_TIP_EXPAND : IDS_REMINDER_TIP_COLLAPSE;
        break;
    case Button::None:
        return {};
    }
    return QString::fromUtf8(LoadString(id));
}

void CaptionBar::Press(Button button) {
    if (button != Button::None) emit buttonClicked(button);
}

bool CaptionBar::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const Button b = ButtonAt(help->pos());
        // The minimise button has no tooltip of its own.
        if (b == Button::Pin || b == Button::Collapse)
            QToolTip::showText(help->globalPos(), ButtonName(b, collapsed_), this, ButtonRect(b));
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

} // namespace zm
