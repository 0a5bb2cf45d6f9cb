#pragma once
// A small flat push button that shows one of the timer images, centred, with a raised edge
// that sinks while it is pressed, and a dotted focus mark.

#include "ui/timers/timer_images.h"

#include <QAbstractButton>

namespace zm {

class ImageButton final : public QAbstractButton {
    Q_OBJECT

public:
    ImageButton(TimerImage image, const QString& tip, QWidget* parent);

    void SetImage(TimerImage image);
    TimerImage Image() const { return image_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TimerImage image_;
};

} // namespace zm
