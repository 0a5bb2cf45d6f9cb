#include "ui/preferences/clock_page.h"

#include "adapters/gui/qt_font.h"
#include "format/clock_format.h"
#include "platform/utf8.h"
#include "preferences/clock_format_builder.h"
#include "preferences/entry_rules.h"
#include "res/strings.h"
#include "ui/common/menu_choice.h"
#include "ui/common/window_context.h"
#include "ui/preferences/font_chooser.h"
#include "ui/preferences/page_parts.h"
#include "ui/preferences/preferences_hooks.h"

#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

namespace zm {
namespace {

constexpr uint32_t kHalfHourShift = 16;

LocaleSettingDefaults LocaleDefaults(const PreferencesHooks& hooks) {
    LocaleSettingDefaults locale;
    if (hooks.localeClockFormat) locale.clockFormat = hooks.localeClockFormat();
    return locale;
}

QColor ToQColor(uint32_t bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

uint32_t FromQColor(const QColor& c) {
    return static_cast<uint32_t>(c.red()) | static_cast<uint32_t>(c.green()) << 8 |
           static_cast<uint32_t>(c.blue()) << 16;
}

QColor SystemColour(const QWidget& w, bool text) {
    return w.palette().color(text ? QPalette::ButtonText : QPalette::Button);
}

// Character positions of a line edit's UTF-16 positions, and back.
size_t CharsBefore(const QString& text, int pos) {
    return static_cast<size_t>(text.left(pos).toUcs4().size());
}

} // namespace

ClockPage::ClockPage(WindowContext& context, PreferencesHooks& hooks, QWidget* parent)
    : QWidget(parent), context_(context), hooks_(hooks),
      shownAtOpen_(ReadBool(context.settings, SettingId::ShowClock)),
      textColour_(ReadInt(context.settings, SettingId::ClockTextColour)),
      backgroundColour_(ReadInt(context.settings, SettingId::ClockBackgroundColour)) {
    const Settings& s = context.settings;
    show_ = NewCheck(IDS_CLOCK_SHOW, shownAtOpen_, this);
    connect(show_, &QCheckBox::toggled, this, [this](bool on) {
        Enable();
        if (hooks_.showClock) hooks_.showClock(on);
    });

    format_ = new QLineEdit(
        QString::fromStdString(ReadText(s, SettingId::ClockFormat, LocaleDefaults(hooks))), this);
    format_->setMaxLength(static_cast<int>(kClockFormatMaxLength));
    auto* formatLabel = new QLabel(Text(IDS_CLOCK_FORMAT), this);
    formatLabel->setBuddy(format_);

    auto* builder = new QHBoxLayout;
    builder->addWidget(NewMenuButton(IDS_CLOCK_SAMPLES, FormatMenu::Samples));
    builder->addWidget(NewMenuButton(IDS_CLOCK_DATE, FormatMenu::Date));
    builder->addWidget(NewMenuButton(IDS_CLOCK_TIME, FormatMenu::Time));
    builder->addWidget(NewMenuButton(IDS_CLOCK_SEPARATOR, FormatMenu::Separator));
    reset_ = new QPushButton(Text(IDS_CLOCK_RESET), this);
    connect(reset_, &QPushButton::clicked, this, [this] {
        const std::string format = hooks_.localeClockFormat ? hooks_.localeClockFormat()
                                                            : std::string(kFallbackClockFormat);
        format_->setText(QString::fromStdString(format));
    });
    builder->addWidget(reset_);
    alignButton_ = NewMenuButton(IDS_CLOCK_ALIGNMENT, FormatMenu::Alignment);
    builder->addWidget(alignButton_);
    SetAlignment(static_cast<int>(ReadInt(s, SettingId::ClockAlignment)));

    auto* colours = new QWidget(this);
    customColours_ =
        NewCheck(IDS_CLOCK_CUSTOM_COLORS, ReadBool(s, SettingId::ClockCustomColours), colours);
    textButton_ = NewColourButton(IDS_CLOCK_TEXT_COLOR, textColour_, true);
    backButton_ = NewColourButton(IDS_CLOCK_BACKGROUND_COLOR, backgroundColour_, false);
    auto* colourLayout = new QHBoxLayout(colours);
    colourLayout->setContentsMargins(0, 0, 0, 0);
    colourLayout->addWidget(customColours_);
    colourLayout->addWidget(textButton_);
    colourLayout->addWidget(backButton_);
    colourLayout->addStretch();
    connect(customColours_, &QCheckBox::toggled, this, &ClockPage::Enable);

    customFont_ = NewCheck(IDS_CLOCK_CUSTOM_FONT, ReadBool(s, SettingId::ClockCustomFont), this);
    font_ = new FontChooser(ReadFont(s, SettingId::ClockFont, ScreenPixelsPerInch()),
                            Text(IDS_CLOCK_CHANGE_FONT), this);
    connect(customFont_, &QCheckBox::toggled, this, &ClockPage::Enable);

    tooltip_ = NewCheck(IDS_CLOCK_SHOW_TOOLTIP, ReadBool(s, SettingId::ClockTooltip), this);
    border_ = NewCheck(IDS_CLOCK_3D_BORDER, ReadBool(s, SettingId::ClockBorder), this);
    margins_ = new QSpinBox(this);
    margins_->setRange(0, kLargestClockMargins);
    margins_->setValue(LimitClockMargins(static_cast<int>(ReadInt(s, SettingId::ClockMargins))));
    auto* marginsLabel = new QLabel(Text(IDS_CLOCK_MARGINS), this);
    marginsLabel->setBuddy(margins_);

    const auto chimes = static_cast<uint32_t>(ReadInt(s, SettingId::ClockChimes));
    const std::array<bool, 2> chimeOn{(chimes & 0xFFFF) != 0, (chimes >> kHalfHourShift) != 0};
    auto* chimeGrid = new QGridLayout;
    for (int i = 0; i < 2; ++i) {
        chimes_[i] =
            NewCheck(i == 0 ? IDS_CLOCK_CHIME_HOUR : IDS_CLOCK_CHIME_HALF_HOUR, chimeOn[i], this);
        tests_[i] = new QPushButton(Text(IDS_CLOCK_CHIME_TEST), this);
        connect(chimes_[i], &QCheckBox::toggled, this, &ClockPage::Enable);
        connect(tests_[i], &QPushButton::clicked, this, [this, i] {
            if (hooks_.testChime) hooks_.testChime(i == 1);
        });
        chimeGrid->addWidget(chimes_[i], i, 0);
        chimeGrid->addWidget(tests_[i], i, 1);
    }
    chimeGrid->setColumnStretch(2, 1);

    auto* grid = new QGridLayout;
    grid->addWidget(formatLabel, 0, 0);
    grid->addWidget(format_, 0, 1);
    auto* look = new QGridLayout;
    look->addWidget(colours, 0, 0, 1, 3);
    look->addWidget(customFont_, 1, 0);
    look->addWidget(font_, 1, 1, 1, 2);
    look->addWidget(tooltip_, 2, 0);
    look->addWidget(border_, 2, 1);
    auto* marginsRow = new QHBoxLayout;
    marginsRow->addWidget(marginsLabel);
    marginsRow->addWidget(margins_);
    marginsRow->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(show_);
    layout->addLayout(grid);
    layout->addLayout(builder);
    layout->addLayout(look);
    layout->addLayout(marginsRow);
    layout->addLayout(chimeGrid);
    layout->addStretch();

    for (QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (w != show_ && w != colours) dependents_.push_back(w);
    dependents_.push_back(customColours_);
    Enable();
}

QPushButton* ClockPage::NewMenuButton(int textId, FormatMenu menu) {
    auto* button = new QPushButton(Text(textId), this);
    auto* popup = new QMenu(button);
    WatchMenu(*popup);
    menus_[static_cast<size_t>(menu)] = popup;
    const auto rows = FormatMenuRows(menu);
    auto* group = menu == FormatMenu::Alignment ? new QActionGroup(popup) : nullptr;
    for (size_t row = 0; row < rows.size(); ++row) {
        if (rows[row].IsSeparatorLine()) {
            popup->addSeparator();
            continue;
        }
        QAction* action =
            popup->addAction(QString::fromUtf8(rows[row].label.data(), rows[row].label.size()));
        if (group) {
            action->setCheckable(true);
            group->addAction(action);
            OnChosen(action, this, [this, row] { SetAlignment(static_cast<int>(row)); });
        } else {
            OnChosen(action, this, [this, menu, row] { InsertRow(menu, row); });
        }
    }
    // The menu opens just below the button.
    connect(button, &QPushButton::clicked, this,
            [button, popup] { popup->exec(button->mapToGlobal(QPoint(0, button->height()))); });
    return button;
}

void ClockPage::InsertRow(FormatMenu menu, size_t row) {
    const QString text = format_->text();
    int from = format_->cursorPosition();
    int to = from;
    if (format_->hasSelectedText()) {
        from = format_->selectionStart();
        to = from + static_cast<int>(format_->selectedText().size());
    }
    const std::string utf8 = text.toStdString();
    const TextSelection selection{CharsBefore(text, from), CharsBefore(text, to)};
    const auto edit = InsertMenuRow(utf8, selection, menu, row);
    if (!edit) {
        QApplication::beep();
        return;
    }
    // Only the selection is replaced, through the edit's own insertion, so it can be undone.
    const size_t before = Utf8Offset(utf8, selection.start);
    const size_t after = utf8.size() - Utf8Offset(utf8, selection.end);
    const std::string piece = edit->text.substr(before, edit->text.size() - before - after);
    format_->setSelection(from, to - from);
    format_->insert(QString::fromStdString(piece));
    format_->setFocus();
}

void ClockPage::SetAlignment(int alignment) {
    alignment_ = std::clamp(alignment, 0, 2);
    const auto actions = Menu(FormatMenu::Alignment)->actions();
    if (alignment_ < actions.size()) actions[alignment_]->setChecked(true);
}

QPushButton* ClockPage::NewColourButton(int textId, int64_t& colour, bool text) {
    auto* button = new QPushButton(Text(textId), this);
    ShowColour(button, colour, text);
    connect(button, &QPushButton::clicked, this, [this, button, &colour, text] {
        const QColor start =
            colour < 0 ? SystemColour(*this, text) : ToQColor(static_cast<uint32_t>(colour));
        const QColor chosen = QColorDialog::getColor(start, this);
        if (!chosen.isValid()) return;
        colour = FromQColor(chosen);
        ShowColour(button, colour, text);
    });
    return button;
}

void ClockPage::ShowColour(QPushButton* button, int64_t colour, bool text) {
    QPixmap swatch(12, 12);
    swatch.fill(colour < 0 ? SystemColour(*this, text) : ToQColor(static_cast<uint32_t>(colour)));
    button->setIcon(QIcon(swatch));
}

void ClockPage::Enable() {
    const bool on = show_->isChecked();
    for (QWidget* w : dependents_)
        w->setEnabled(on);
    textButton_->setEnabled(on && customColours_->isChecked());
    backButton_->setEnabled(on && customColours_->isChecked());
    font_->setEnabled(on && customFont_->isChecked());
    for (int i = 0; i < 2; ++i)
        tests_[i]->setEnabled(on && chimes_[i]->isChecked());
}

bool ClockPage::ShowClock() const {
    return show_->isChecked();
}

bool ClockPage::ShowChanged() const {
    return show_->isChecked() != shownAtOpen_;
}

void ClockPage::Save() const {
    Settings& s = context_.settings;
    WriteBool(s, SettingId::ShowClock, show_->isChecked());
    WriteText(s, SettingId::ClockFormat, format_->text().toStdString());
    WriteInt(s, SettingId::ClockAlignment, alignment_);
    WriteBool(s, SettingId::ClockCustomColours, customColours_->isChecked());
    WriteInt(s, SettingId::ClockTextColour, textColour_);
    WriteInt(s, SettingId::ClockBackgroundColour, backgroundColour_);
    WriteBool(s, SettingId::ClockCustomFont, customFont_->isChecked());
    if (font_->Changed()) WriteFont(s, SettingId::ClockFont, font_->Font(), ScreenPixelsPerInch());
    WriteBool(s, SettingId::ClockTooltip, tooltip_->isChecked());
    WriteBool(s, SettingId::ClockBorder, border_->isChecked());
    WriteInt(s, SettingId::ClockMargins, margins_->value());
    const uint32_t chimes =
        (chimes_[0]->isChecked() ? 1u : 0u) | (chimes_[1]->isChecked() ? 1u : 0u) << kHalfHourShift;
    WriteInt(s, SettingId::ClockChimes, chimes);
}

} // namespace zm
