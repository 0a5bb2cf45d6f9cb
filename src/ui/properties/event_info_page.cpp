#include "ui/properties/event_info_page.h"

#include "res/strings.h"
#include "ui/common/ui_text.h"
#include "ui/common/window_context.h"
#include "ui/list/list_images.h"

#include <QGridLayout>
#include <QImage>
#include <QLabel>
#include <QPainter>
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
        if (state_ >= 0) p.drawPixmap(0, 0, ListImagePixmap(static_cast<ListImage>(state_)));
        if (!type_.isNull()) p.drawPixmap(QRect(kImageStep, 0, kImageWidth, kImageHeight), type_);
        if (recurring_) p.drawPixmap(2 * kImageStep, 0, ListImagePixmap(ListImage::Recurring));
    }

private:
    int state_;
    QPixmap type_;
    bool recurring_;
};

} // namespace

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
        captions_[i] = new QLabel(Text(kLineIds[i]), this);
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
