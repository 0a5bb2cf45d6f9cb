#include "ui/types/type_editor_dialog.h"

#include "adapters/gui/qt_font.h"
#include "model/amount_choices.h"
#include "res/artwork.h"
#include "sound/sound_description.h"
#include "store/types/filter_editing.h"
#include "ui/common/dialog_buttons.h"
#include "ui/common/ui_text.h"
#include "ui/common/user_boxes.h"
#include "ui/common/window_context.h"
#include "ui/filters/filter_dialogs.h"
#include "ui/types/editor_choosers.h"
#include "ui/types/type_widgets.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFontDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace zm {
namespace {

// Where "Browse" of the Change Icon dialog starts: the icon folder beside the library, else
// the library's folder.
QString IconFolder(const WindowContext& context) {
    const QString folder = QFileInfo(Q(context.store.LibraryPath())).absolutePath();
    const QString icons = QDir(folder).filePath(QStringLiteral("icons"));
    return QFileInfo(icons).isDir() ? icons : folder;
}

QString FontText(const QFont& font) {
    return Text(IDS_FONT_DESCRIPTION)
        .replace(QStringLiteral("%s"), font.family())
        .replace(QStringLiteral("%d"), QString::number(font.pointSize()));
}

} // namespace

TypeEditorDialog::TypeEditorDialog(WindowContext& context, UserBoxes& boxes, const TypeList& work,
                                   int index, Mode mode, QWidget* parent)
    : QDialog(parent), context_(context), boxes_(boxes), work_(work),
      index_(mode == Mode::Edit ? index : -1), mode_(mode) {
    if (mode_ == Mode::Edit && work_.TypeAt(index_)) {
        edit_.type = *work_.TypeAt(index_);
        edit_.type.flags &= ~kTypeInFilter;
        small_ = work_.TypeSmallIcon(index_);
        large_ = work_.TypeLargeIcon(index_);
    } else {
        if (mode_ == Mode::Edit) mode_ = Mode::New; // nothing to edit
        edit_.type = NewEventType(work_.systemColours);
        small_ = ProgramIcon(kIconNewEntry, kSmallIconSize);
        large_ = ProgramIcon(kIconNewEntry, kLargeIconSize);
    }
    undefined_ = work_.UndefinedEntry();
    if (mode_ == Mode::Undefined) {
        small_ = undefined_.smallIcon;
        large_ = undefined_.largeIcon;
    }
    filterChooser_ = [&context](const std::string& name, std::vector<bool>& chosen, QWidget* p) {
        return ::zm::ChooseFilters(context, name, chosen, p);
    };
    iconChooser_ = [this](QWidget* p) { return ChooseIcon(boxes_, IconFolder(context_), p); };
    soundChooser_ = [this](const SoundSetting& sound, QWidget* p) {
        return ChooseReminderSound(context_, sound, p);
    };
    colourChooser_ = [](uint32_t colour, QWidget* p) -> std::optional<uint32_t> {
        const QColor chosen = QColorDialog::getColor(ColourOf(colour), p);
        if (!chosen.isValid()) return std::nullopt;
        return BgrOf(chosen);
    };

    setWindowTitle(Text(mode_ == Mode::New    ? IDS_TYPE_NEW_CAPTION
                        : mode_ == Mode::Edit ? IDS_TYPE_EDIT_CAPTION
                                              : IDS_TYPE_EDIT_UNDEFINED_CAPTION));
    BuildControls();
    ShowType();
    UpdateControls();
}

void TypeEditorDialog::BuildControls() {
    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("name"));
    name_->setMaxLength(static_cast<int>(kMaxTypeNameLength));
    auto* nameLabel = new QLabel(Text(IDS_TYPE_NAME_LABEL), this);
    nameLabel->setBuddy(name_);
    icon_ = new QLabel(this);
    icon_->setFixedSize(36, 36);
    icon_->setAlignment(Qt::AlignCenter);
    icon_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    changeIcon_ = new QPushButton(Text(IDS_TYPE_CHANGE_ICON), this);
    colour_ = new QPushButton(Text(IDS_TYPE_COLOUR), this);
    filters_ = new QPushButton(Text(IDS_TYPE_FILTERS_BUTTON), this);
    filters_->setObjectName(QStringLiteral("filters"));

    fixedStart_ = new QCheckBox(Text(IDS_TYPE_FIXED_START_TIME), this);
    startTime_ = new QTimeEdit(this);
    startTime_->setObjectName(QStringLiteral("startTime"));
    startTime_->setDisplayFormat(QStringLiteral("HH:mm"));
    remind_ = new QComboBox(this);
    remind_->setObjectName(QStringLiteral("remind"));
    duration_ = new QComboBox(this);
    duration_->setObjectName(QStringLiteral("duration"));
    yearly_ = new QCheckBox(Text(IDS_TYPE_YEARLY), this);
    skipWhenOver_ = new QCheckBox(Text(IDS_TYPE_SKIP_WHEN_OVER), this);

    customColours_ = new QCheckBox(Text(IDS_CLOCK_CUSTOM_COLORS), this);
    textColour_ = new QPushButton(Text(IDS_CLOCK_TEXT_COLOR), this);
    backColour_ = new QPushButton(Text(IDS_CLOCK_BACKGROUND_COLOR), this);
    customFont_ = new QCheckBox(Text(IDS_CLOCK_CUSTOM_FONT), this);
    font_ = new QPushButton(Text(IDS_CLOCK_CHANGE_FONT), this);
    fontName_ = new QLabel(this);
    reset_ = new QPushButton(Text(IDS_TYPE_RESET_LOOK), this);

    sound_ = new QLabel(this);
    sound_->setObjectName(QStringLiteral("sound"));
    sound_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    sound_->setMinimumWidth(240);
    soundButton_ = new QPushButton(Text(IDS_CHOOSE_BUTTON), this);
    soundButton_->setObjectName(QStringLiteral("soundButton"));
    soundButton_->setAccessibleName(PlainText(IDS_EDIT_SET_SOUND));
    soundButton_->setToolTip(soundButton_->accessibleName());

    for (QPushButton* b :
         {changeIcon_, colour_, filters_, textColour_, backColour_, font_, reset_, soundButton_})
        b->setAutoDefault(false);

    auto* top = new QGridLayout;
    top->addWidget(nameLabel, 0, 0);
    top->addWidget(name_, 0, 1, 1, 2);
    top->addWidget(icon_, 0, 3, Qt::AlignCenter);
    top->addWidget(colour_, 1, 1);
    top->addWidget(filters_, 1, 2);
    top->addWidget(changeIcon_, 1, 3);

    auto* defaults = new QGroupBox(Text(IDS_TYPE_GROUP_DEFAULTS), this);
    auto* defaultsForm = new QFormLayout(defaults);
    defaultsForm->addRow(fixedStart_, startTime_);
    defaultsForm->addRow(Text(IDS_EDIT_REMIND), remind_);
    defaultsForm->addRow(Text(IDS_EDIT_DURATION), duration_);
    defaultsForm->addRow(yearly_);
    defaultsForm->addRow(skipWhenOver_);

    auto* look = new QGroupBox(Text(IDS_TYPE_GROUP_LOOK), this);
    auto* lookGrid = new QGridLayout(look);
    lookGrid->addWidget(customColours_, 0, 0);
    lookGrid->addWidget(textColour_, 0, 1);
    lookGrid->addWidget(backColour_, 0, 2);
    lookGrid->addWidget(customFont_, 1, 0);
    lookGrid->addWidget(font_, 1, 1);
    lookGrid->addWidget(fontName_, 1, 2);
    lookGrid->addWidget(reset_, 2, 2, Qt::AlignRight);

    auto* soundBox = new QGroupBox(Text(IDS_TYPE_GROUP_SOUND), this);
    auto* soundRow = new QHBoxLayout(soundBox);
    soundRow->addWidget(sound_, 1);
    soundRow->addWidget(soundButton_);

    QDialogButtonBox* buttons = OkCancelButtons(*this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(defaults);
    layout->addWidget(look);
    layout->addWidget(soundBox);
    layout->addWidget(buttons);

    connect(changeIcon_, &QPushButton::clicked, this, &TypeEditorDialog::ChangeIcon);
    connect(filters_, &QPushButton::clicked, this, &TypeEditorDialog::ChooseFilters);
    connect(soundButton_, &QPushButton::clicked, this, &TypeEditorDialog::ChooseSound);
    connect(colour_, &QPushButton::clicked, this, [this] {
        ChooseColour(mode_ == Mode::Undefined ? undefined_.colour : edit_.type.colour);
    });
    connect(textColour_, &QPushButton::clicked, this,
            [this] { ChooseColour(edit_.type.textColour); });
    connect(backColour_, &QPushButton::clicked, this,
            [this] { ChooseColour(edit_.type.backColour); });
    connect(font_, &QPushButton::clicked, this, &TypeEditorDialog::ChooseFont);
    connect(reset_, &QPushButton::clicked, this, &TypeEditorDialog::ResetLook);
    for (QCheckBox* box : {fixedStart_, customColours_, customFont_})
        connect(box, &QCheckBox::toggled, this, &TypeEditorDialog::UpdateControls);
}

void TypeEditorDialog::ShowType() {
    const EventType& t = edit_.type;
    const bool undefined = mode_ == Mode::Undefined;
    name_->setText(undefined ? Text(IDS_TYPE_UNDEFINED_NAME) : Q(t.name));
    fixedStart_->setChecked(!undefined && t.Has(kTypeFixedStartTime));
    startTime_->setTime(QTime(static_cast<int>(t.startTime >> 16) % 24,
                              static_cast<int>(t.startTime & 0xFFFF) % 60));
    FillAmountBox(*remind_, t.advance, kRemindAllowsZero);
    FillAmountBox(*duration_, t.duration, kDurationAllowsZero);
    yearly_->setChecked(!undefined && t.Has(kTypeYearly));
    skipWhenOver_->setChecked(!undefined && t.Has(kTypeSkipWhenOver));
    customColours_->setChecked(!undefined && t.Has(kTypeCustomColours));
    customFont_->setChecked(!undefined && t.Has(kTypeCustomFont));
    ShowIcon();
    ShowColours();
    ShowFont();
    ShowSound();
}

void TypeEditorDialog::UpdateControls() {
    const bool typeFields = mode_ != Mode::Undefined;
    for (QWidget* w : std::initializer_list<QWidget*>{name_, changeIcon_, filters_, fixedStart_,
                                                      remind_, duration_, yearly_, skipWhenOver_,
                                                      customColours_, customFont_, reset_})
        w->setEnabled(typeFields);
    startTime_->setEnabled(typeFields && fixedStart_->isChecked());
    textColour_->setEnabled(typeFields && customColours_->isChecked());
    backColour_->setEnabled(typeFields && customColours_->isChecked());
    font_->setEnabled(typeFields && customFont_->isChecked());
    fontName_->setEnabled(typeFields && customFont_->isChecked());
}

void TypeEditorDialog::ShowIcon() {
    icon_->setPixmap(ToQPixmap(large_.Empty() ? small_ : large_));
}

void TypeEditorDialog::ShowColours() {
    colour_->setIcon(SwatchIcon(mode_ == Mode::Undefined ? undefined_.colour : edit_.type.colour));
    textColour_->setIcon(SwatchIcon(edit_.type.textColour));
    backColour_->setIcon(SwatchIcon(edit_.type.backColour));
}

void TypeEditorDialog::ShowFont() {
    const FontDescription d = UnpackFontDescription(edit_.type.font);
    if (d.faceName.empty()) {
        fontName_->setText(FontText(font()));
        fontName_->setFont(font());
        return;
    }
    QFont f = d.height == 0 ? font() : ToQFont(d);
    if (d.height == 0) f.setFamily(Q(d.faceName));
    fontName_->setText(FontText(f));
    fontName_->setFont(f);
}

void TypeEditorDialog::ShowSound() {
    const std::string text =
        mode_ == Mode::Undefined
            ? SoundDescription(undefined_.sound, undefined_.soundPause, undefined_.soundFile)
            : SoundDescription(edit_.type.sound, edit_.type.soundPause, edit_.type.soundFile);
    sound_->setText(Q(text));
}

void TypeEditorDialog::ChooseColour(uint32_t& colour) {
    if (const std::optional<uint32_t> chosen = colourChooser_(colour, this)) {
        colour = *chosen;
        ShowColours();
    }
}

void TypeEditorDialog::ChooseFont() {
    const FontDescription d = UnpackFontDescription(edit_.type.font);
    QFontDialog dialog(d.faceName.empty() ? font() : ToQFont(d), this);
    if (dialog.exec() != QDialog::Accepted) return;
    edit_.type.font =
        PackFontDescription(FontFromQFont(dialog.selectedFont(), ScreenPixelsPerInch()));
    ShowFont();
}

void TypeEditorDialog::ResetLook() {
    edit_.type.textColour = work_.systemColours.windowText;
    edit_.type.backColour = work_.systemColours.buttonFace;
    edit_.type.font = LogFontBytes{};
    customColours_->setChecked(false);
    customFont_->setChecked(false);
    ShowColours();
    ShowFont();
}

void TypeEditorDialog::ChooseFilters() {
    if (mode_ == Mode::Undefined) return;
    const std::string name =
        mode_ == Mode::Edit ? edit_.type.name : name_->text().trimmed().toStdString();
    std::vector<bool> chosen = edit_.filters.value_or(FiltersListing(work_.Filters(), name));
    if (filterChooser_(name, chosen, this)) edit_.filters = std::move(chosen);
}

void TypeEditorDialog::ChangeIcon() {
    if (mode_ == Mode::Undefined) return;
    if (const std::optional<ChosenIcon> icon = iconChooser_(this)) {
        small_ = icon->small;
        large_ = icon->large;
        edit_.smallIcon = small_;
        edit_.largeIcon = large_;
        ShowIcon();
    }
}

void TypeEditorDialog::ChooseSound() {
    const bool undefined = mode_ == Mode::Undefined;
    const SoundSetting current =
        undefined ? SoundSetting{undefined_.sound, undefined_.soundPause, undefined_.soundFile}
                  : SoundSetting{edit_.type.sound, edit_.type.soundPause, edit_.type.soundFile};
    const std::optional<SoundSetting> chosen = soundChooser_(current, this);
    if (!chosen) return;
    if (undefined) {
        undefined_.sound = chosen->sound;
        undefined_.soundPause = chosen->pause;
        undefined_.soundFile = chosen->file;
    } else {
        edit_.type.sound = chosen->sound;
        edit_.type.soundPause = chosen->pause;
        edit_.type.soundFile = chosen->file;
    }
    ShowSound();
}

TypeEntry TypeEditorDialog::Entry() const {
    TypeEntry e;
    e.name = name_->text().toStdString();
    e.fixedStartTime = fixedStart_->isChecked();
    const QTime time = startTime_->time();
    if (time.isValid())
        e.startTime =
            static_cast<uint32_t>(time.hour()) << 16 | static_cast<uint32_t>(time.minute());
    e.remindSelected = remind_->currentIndex();
    e.remindText = remind_->currentText().toStdString();
    e.durationSelected = duration_->currentIndex();
    e.durationText = duration_->currentText().toStdString();
    e.yearly = yearly_->isChecked();
    e.skipWhenOver = skipWhenOver_->isChecked();
    e.customFont = customFont_->isChecked();
    e.customColours = customColours_->isChecked();
    return e;
}

void TypeEditorDialog::accept() {
    if (mode_ == Mode::Undefined) {
        QDialog::accept();
        return;
    }
    EventType type = edit_.type;
    const TypeCheck check = CheckTypeEntry(work_, index_, Entry(), type);
    if (check.message != 0) {
        boxes_.Tell(this, Text(check.message), BoxIcon::Warning);
        QWidget* field = check.focus == TypeField::Name        ? static_cast<QWidget*>(name_)
                         : check.focus == TypeField::StartTime ? static_cast<QWidget*>(startTime_)
                         : check.focus == TypeField::Remind    ? static_cast<QWidget*>(remind_)
                                                               : static_cast<QWidget*>(duration_);
        field->setFocus();
        return;
    }
    edit_.type = std::move(type);
    QDialog::accept();
}

} // namespace zm
