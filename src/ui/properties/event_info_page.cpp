#include "ui/properties/event_info_page.h"

#include "res/strings.h"
#include "ui/common/window_context.h"

#include <QGridLayout>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace zm {

namespace {

constexpr int kImageWidth = 16;
constexpr int kImageHeight = 14;
constexpr int kImageStep = 17;

// The lines of the page below the name, by the string of their caption.
constexpr std::array<int, 7> kLineIds = {
    IDS_INFO_TYPE,          IDS_INFO_START,   IDS_INFO_REMIND,    IDS_INFO_PREVIOUS_REMINDER,
    IDS_INFO_NEXT_REMINDER, IDS_INFO_SNOOZED, IDS_INFO_RECURRENCE};

QPixmap Painted(const std::function<void(QPainter&)>& draw) {
    QPixmap pixmap(kImageWidth, kImageHeight);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    return pixmap;
}

QPixmap TypeIcon(const IconImage& icon) {
    if (icon.Empty()) return {};
    QImage image(reinterpret_cast<const uchar*>(icon.pixels.data()), icon.width, icon.height,
                 QImage::Format_ARGB32);
    return QPixmap::fromImage(image.copy());
}

// The icons beside the name: the state, the type, and the recurring image.
class IconStrip final : public QWidget {
public:
    IconStrip(int stateImage, QPixmap typeIcon, bool recurring, QWidget* parent)
        : QWidget(parent), state_(stateImage), type_(std::move(typeIcon)), recurring_(recurring) {
        setFixedSize(2 * kImageStep + kImageWidth, kImageHeight + 2);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const auto& images = EventStateImages();
        if (state_ >= 0) p.drawPixmap(0, 0, images[state_]);
        if (!type_.isNull()) p.drawPixmap(QRect(kImageStep, 0, kImageWidth, kImageHeight), type_);
        if (recurring_) p.drawPixmap(2 * kImageStep, 0, images[kImageRecurring]);
    }

private:
    int state_;
    QPixmap type_;
    bool recurring_;
};

} // namespace

const std::array<QPixmap, 4>& EventStateImages() {
    static const std::array<QPixmap, 4> images = {
        // Snoozed: a small clock.
        Painted([](QPainter& p) {
            p.setPen(QPen(QColor(0x1F, 0x4E, 0x9A), 1.5));
            p.setBrush(QColor(0xE8, 0xF0, 0xFF));
            p.drawEllipse(QRectF(2, 1, 12, 12));
            p.drawLine(QPointF(8, 7), QPointF(8, 3.5));
            p.drawLine(QPointF(8, 7), QPointF(11, 7));
        }),
        // Accepted: a green tick.
        Painted([](QPainter& p) {
            p.setPen(QPen(QColor(0x1E, 0x8C, 0x2E), 2.2, Qt::SolidLine, Qt::RoundCap));
            p.drawPolyline(QPolygonF({QPointF(3, 7), QPointF(6.5, 11), QPointF(13, 3)}));
        }),
        // Recurring: a circling arrow.
        Painted([](QPainter& p) {
            p.setPen(QPen(QColor(0x6A, 0x3D, 0x9A), 1.6));
            p.drawArc(QRectF(3, 2, 10, 10), 60 * 16, 280 * 16);
            QPainterPath head;
            head.moveTo(13.5, 1.5);
            head.lineTo(13.5, 6);
            head.lineTo(9.5, 4.5);
            head.closeSubpath();
            p.fillPath(head, QColor(0x6A, 0x3D, 0x9A));
        }),
        // Disabled: a red circle with a bar.
        Painted([](QPainter& p) {
            p.setPen(QPen(QColor(0xC0, 0x1C, 0x28), 1.8));
            p.drawEllipse(QRectF(2.5, 1.5, 11, 11));
            p.drawLine(QPointF(4.5, 3.5), QPointF(11.5, 10.5));
        }),
    };
    return images;
}

EventInfoPage::EventInfoPage(WindowContext& context, EventRecord event, QWidget* parent)
    : QWidget(parent), event_(std::move(event)) {
    lines_ = DescribeEventInfo(event_, context.store.Now(), context.formats, context.names);
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    icons_ =
        new IconStrip(lines_.stateImage, TypeIcon(context.types.TypeSmallIcon(event_.typeIndex)),
                      lines_.recurringImage, this);
    top->addWidget(icons_, 0, Qt::AlignTop);
    auto* name = new QLabel(QString::fromStdString(lines_.name), this);
    name->setWordWrap(true);
    name->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);
    name->setAccessibleName(QString::fromStdString(lines_.name));
    top->addWidget(name, 1);
    layout->addLayout(top);

    auto* grid = new QGridLayout;
    const std::array<std::string, 7> values = {lines_.type,
                                               lines_.start,
                                               lines_.remind,
                                               lines_.previous,
                                               lines_.next,
                                               lines_.snoozed.value_or(std::string()),
                                               lines_.recurrence.value_or(std::string())};
    for (size_t i = 0; i < kLineIds.size(); ++i) {
        captions_[i] = new QLabel(QString::fromUtf8(LoadString(kLineIds[i])), this);
        values_[i] = new QLabel(QString::fromStdString(values[i]), this);
        values_[i]->setWordWrap(true);
        values_[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        values_[i]->setAccessibleName(captions_[i]->text());
        grid->addWidget(captions_[i], static_cast<int>(i), 0, Qt::AlignTop);
        grid->addWidget(values_[i], static_cast<int>(i), 1);
    }
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);
    layout->addStretch();
    const auto hideLine = [this](size_t i) {
        captions_[i]->hide();
        values_[i]->hide();
    };
    if (!lines_.snoozed) hideLine(5);
    if (!lines_.recurrence) hideLine(6);
}

QLabel* EventInfoPage::ValueLabel(int stringId) const {
    for (size_t i = 0; i < kLineIds.size(); ++i)
        if (kLineIds[i] == stringId) return values_[i];
    return nullptr;
}

QLabel* EventInfoPage::CaptionLabel(int stringId) const {
    for (size_t i = 0; i < kLineIds.size(); ++i)
        if (kLineIds[i] == stringId) return captions_[i];
    return nullptr;
}

} // namespace zm
