#pragma once
// The digital display of the timer windows: its text drawn as seven-segment digits. Unlit
// segments show faintly in the digit colour divided by three; the third colour lights the
// colons.

#include <QColor>
#include <QString>
#include <QWidget>

namespace zm {

struct SegmentColours {
    QColor background{36, 36, 36};
    QColor digits{0, 255, 0};
    QColor highlight{128, 255, 128};
};

class SegmentDisplay final : public QWidget {
    Q_OBJECT

public:
    explicit SegmentDisplay(QWidget* parent);

    void SetText(const QString& text);
    QString Text() const { return text_; }
    void SetColours(const SegmentColours& colours);
    const SegmentColours& Colours() const { return colours_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
    SegmentColours colours_;
};

} // namespace zm
