#include "ui/types/change_icon_dialog.h"

#include "res/artwork.h"
#include "store/types/event_type.h"
#include "ui/common/dialog_buttons.h"
#include "ui/common/user_boxes.h"
#include "ui/types/type_widgets.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace zm {
namespace {

constexpr int kCellSize = 24;

// Standard freedesktop icon names that suit reminders.
constexpr const char* kThemeNames[] = {
    "appointment-new",
    "appointment-soon",
    "alarm-symbolic",
    "x-office-calendar",
    "call-start",
    "mail-message-new",
    "mail-unread",
    "internet-web-browser",
    "applications-internet",
    "applications-games",
    "applications-multimedia",
    "audio-volume-high",
    "camera-photo",
    "computer",
    "dialog-information",
    "dialog-warning",
    "dialog-error",
    "emblem-important",
    "emblem-favorite",
    "face-smile",
    "face-cool",
    "go-home",
    "help-browser",
    "media-playback-start",
    "system-users",
    "user-home",
    "weather-clear",
    "weather-storm",
    "document-print",
    "folder",
    "input-keyboard",
    "network-wireless",
    "printer",
    "starred",
    "user-available",
    "video-display",
    "accessories-calculator",
    "accessories-text-editor",
    "office-calendar",
    "preferences-desktop",
    "start-here",
    "battery",
};

// A filter of the string table ("Text|patterns|...||") as a file dialog's filter list.
QString DialogFilter(const QString& table) {
    const QStringList parts = table.split(QLatin1Char('|'), Qt::SkipEmptyParts);
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        filters << QStringLiteral("%1 (%2)").arg(parts[i], patterns.simplified());
    }
    return filters.join(QStringLiteral(";;"));
}

QString ChooseIconFile(QWidget* parent, const QString& startFolder) {
    return QFileDialog::getOpenFileName(parent, Text(IDS_ICON_CAPTION), startFolder,
                                        DialogFilter(Text(IDS_ICON_FILE_FILTER_IMAGES)));
}

} // namespace

std::vector<QIcon> ThemeIcons() {
    std::vector<QIcon> icons;
    for (const char* name : kThemeNames)
        if (QIcon::hasThemeIcon(QLatin1String(name)))
            icons.push_back(QIcon::fromTheme(QLatin1String(name)));
    return icons;
}

std::vector<QImage> PicturesOfFile(const QString& path) {
    std::vector<QImage> pictures;
    QImageReader reader(path);
    const int count = std::max(1, reader.imageCount());
    for (int i = 0; i < count && i < 256; ++i) {
        if (i > 0 && !reader.jumpToImage(i)) break;
        QImage image = reader.read();
        if (!image.isNull())
            pictures.push_back(std::move(image));
        else if (i == 0)
            break;
    }
    return pictures;
}

ChangeIconDialog::ChangeIconDialog(UserBoxes& boxes, QString iconFolder, QWidget* parent)
    : QDialog(parent), boxes_(boxes), iconFolder_(std::move(iconFolder)), chooser_(ChooseIconFile),
      sources_(new QComboBox(this)), icons_(new QListWidget(this)) {
    setWindowTitle(Text(IDS_ICON_CAPTION));
    auto* lookIn = new QLabel(Text(IDS_ICON_LOOK_IN), this);
    lookIn->setBuddy(sources_);
    sources_->setObjectName(QStringLiteral("sources"));
    auto* browse = new QPushButton(Text(IDS_BROWSE), this);
    browse->setObjectName(QStringLiteral("browse"));
    browse->setAutoDefault(false);
    auto* listLabel = new QLabel(Text(IDS_ICON_LIST_LABEL), this);
    listLabel->setBuddy(icons_);
    icons_->setObjectName(QStringLiteral("icons"));
    // Icons in columns of 24 pixels, flowing top to bottom.
    icons_->setViewMode(QListView::IconMode);
    icons_->setFlow(QListView::TopToBottom);
    icons_->setWrapping(true);
    icons_->setMovement(QListView::Static);
    icons_->setResizeMode(QListView::Adjust);
    icons_->setIconSize(QSize(kCellSize - 4, kCellSize - 4));
    icons_->setGridSize(QSize(kCellSize + 8, kCellSize + 8));
    icons_->setMinimumSize(420, 4 * (kCellSize + 8) + 8);

    QDialogButtonBox* buttons = OkCancelButtons(*this);
    connect(browse, &QPushButton::clicked, this, &ChangeIconDialog::OnBrowse);
    connect(sources_, &QComboBox::currentIndexChanged, this, &ChangeIconDialog::ShowSource);
    connect(icons_, &QListWidget::itemDoubleClicked, this, &ChangeIconDialog::accept);

    auto* sourceRow = new QHBoxLayout;
    sourceRow->addWidget(sources_, 1);
    sourceRow->addWidget(browse);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lookIn);
    layout->addLayout(sourceRow);
    layout->addWidget(listLabel);
    layout->addWidget(icons_, 1);
    layout->addWidget(buttons);

    // The program's own icons come first, then the desktop's theme when it has one.
    std::vector<Entry> own;
    for (int i = 0; i < kPredefinedTypeIconCount; ++i)
        own.push_back(
            {PredefinedTypeIcon(i, kSmallIconSize), PredefinedTypeIcon(i, kLargeIconSize), {}});
    for (int id : {kIconNewEntry, kIconUndefinedType})
        own.push_back({ProgramIcon(id, kSmallIconSize), ProgramIcon(id, kLargeIconSize), {}});
    for (Entry& e : own)
        e.icon = QIconOf(e.small, e.large);
    AddSource(Text(IDS_ICON_PROGRAM_SOURCE), std::move(own));
    std::vector<Entry> theme;
    for (const QIcon& icon : ThemeIcons())
        theme.push_back({{}, {}, icon});
    if (!theme.empty()) AddSource(Text(IDS_ICON_THEME_SOURCE), std::move(theme));
    sources_->setCurrentIndex(0);
    ShowSource(0);
}

void ChangeIconDialog::AddSource(const QString& text, std::vector<Entry> entries) {
    sourceEntries_.push_back(std::move(entries));
    sources_->addItem(text);
}

void ChangeIconDialog::ShowSource(int index) {
    icons_->clear();
    if (index < 0 || static_cast<size_t>(index) >= sourceEntries_.size()) return;
    // A picture alone: a screen reader reads the theme's name of it, or its source and number.
    const QString source = QFileInfo(sources_->itemText(index)).fileName();
    for (const Entry& e : sourceEntries_[static_cast<size_t>(index)]) {
        auto* item = new QListWidgetItem(e.icon, QString(), icons_);
        item->setData(Qt::AccessibleTextRole,
                      !e.icon.name().isEmpty()
                          ? e.icon.name()
                          : QStringLiteral("%1 %2").arg(source).arg(icons_->count()));
    }
    if (icons_->count() > 0) icons_->setCurrentRow(0);
}

bool ChangeIconDialog::ShowFile(const QString& path) {
    std::vector<Entry> entries;
    for (const QImage& picture : PicturesOfFile(path)) {
        Entry e{IconOfImage(picture, kSmallIconSize), IconOfImage(picture, kLargeIconSize), {}};
        e.icon = QIconOf(e.small, e.large);
        entries.push_back(std::move(e));
    }
    if (entries.empty()) {
        boxes_.Tell(
            this,
            Text(IDS_ICON_FILE_HAS_NONE).replace(QStringLiteral("%s"), QFileInfo(path).fileName()),
            BoxIcon::Warning);
        return false;
    }
    AddSource(path, std::move(entries));
    sources_->setCurrentIndex(sources_->count() - 1);
    return true;
}

std::optional<ChosenIcon> ChangeIconDialog::Chosen() const {
    const int source = sources_->currentIndex();
    const int row = icons_->currentRow();
    if (source < 0 || row < 0) return std::nullopt;
    const Entry& e = sourceEntries_[static_cast<size_t>(source)][static_cast<size_t>(row)];
    if (!e.small.Empty()) return ChosenIcon{e.small, e.large};
    return ChosenIcon{IconOfQIcon(e.icon, kSmallIconSize), IconOfQIcon(e.icon, kLargeIconSize)};
}

void ChangeIconDialog::accept() {
    if (!Chosen()) {
        boxes_.Beep();
        return;
    }
    QDialog::accept();
}

void ChangeIconDialog::OnBrowse() {
    const QString path = chooser_(this, iconFolder_);
    if (path.isEmpty()) return;
    if (!ShowFile(path)) icons_->setFocus();
}

} // namespace zm
