#pragma once
// The digital display of the timer windows: its text drawn as seven-segment digits. Unlit
// segments show faintly in the digit colour divided by three; the third colour lights the
// colons.
//
// A screen reader sees a fixed name (the accessible name the window gives it) and the time as
// the display's value, which the window sets at its own pace (the drawn text may change far
// more often); each change of the value is announced once.

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

    // The time a screen reader reads, as text and in seconds.
    void SetValue(const QString& text, double seconds);
    QString ValueText() const { return valueText_; }
    double Seconds() const { return seconds_; }
    // How many changes of the value were told so far.
    int ValueChangesTold() const { return valueChangesTold_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
    QString valueText_;
    double seconds_ = 0;
    int valueChangesTold_ = 0;
    SegmentColours colours_;
};

} // namespace zm
