#include "ui/types/quick_editor_dialog.h"

#include "sound/sound_description.h"
#include "ui/common/dialog_buttons.h"
#include "ui/common/ui_text.h"
#include "ui/common/user_boxes.h"
#include "ui/common/window_context.h"
#include "ui/types/editor_choosers.h"
#include "ui/types/type_widgets.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zm {

QuickEditorDialog::QuickEditorDialog(WindowContext& context, UserBoxes& boxes,
                                     const QuickReminder& entry, const IconImage& icon, bool isNew,
                                     QWidget* parent)
    : QDialog(parent), context_(context), boxes_(boxes), entry_(entry), icon_(icon),
      menuName_(new QLineEdit(this)), eventName_(new QLineEdit(this)), type_(new QComboBox(this)),
      offset_(new QComboBox(this)), sound_(new QLabel(this)), iconLabel_(new QLabel(this)) {
    setWindowTitle(Text(isNew ? IDS_QUICK_NEW_CAPTION : IDS_QUICK_EDIT_CAPTION));
    iconChooser_ = [this](QWidget* p) {
        return ChooseIcon(boxes_, QFileInfo(Q(context_.store.LibraryPath())).absolutePath(), p);
    };
    soundChooser_ = [this](const SoundSetting& sound, QWidget* p) {
        return ChooseReminderSound(context_, sound, p);
    };

    menuName_->setObjectName(QStringLiteral("menuName"));
    menuName_->setMaxLength(static_cast<int>(kMaxMenuNameLength));
    menuName_->setText(Q(entry_.menuName));
    eventName_->setObjectName(QStringLiteral("eventName"));
    eventName_->setMaxLength(static_cast<int>(kMaxQuickEventNameLength));
    eventName_->setText(Q(entry_.eventName));
    type_->setObjectName(QStringLiteral("type"));
    for (size_t i = 0; i < context_.types.TypeCount(); ++i)
        type_->addItem(QIconOf(context_.types.TypeSmallIcon(static_cast<int>(i))),
                       Q(context_.types.Types()[i].name));
    const int typeIndex = isNew ? 0 : context_.types.FindType(entry_.typeName);
    type_->setCurrentIndex(typeIndex < type_->count() ? typeIndex : -1);
    offset_->setObjectName(QStringLiteral("offset"));
    FillAmountBox(*offset_, entry_.offset, kQuickOffsetAllowsZero);
    sound_->setObjectName(QStringLiteral("sound"));
    sound_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    sound_->setMinimumWidth(220);
    iconLabel_->setFixedSize(24, 24);
    iconLabel_->setAlignment(Qt::AlignCenter);
    iconLabel_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);

    auto* soundButton = new QPushButton(Text(IDS_CHOOSE_BUTTON), this);
    soundButton->setAccessibleName(PlainText(IDS_EDIT_SET_SOUND));
    soundButton->setToolTip(soundButton->accessibleName());
    auto* iconButton = new QPushButton(Text(IDS_TYPE_CHANGE_ICON), this);
    for (QPushButton* b : {soundButton, iconButton})
        b->setAutoDefault(false);
    connect(soundButton, &QPushButton::clicked, this, &QuickEditorDialog::ChooseSound);
    connect(iconButton, &QPushButton::clicked, this, &QuickEditorDialog::ChangeIcon);

    auto* soundRow = new QHBoxLayout;
    soundRow->addWidget(sound_, 1);
    soundRow->addWidget(soundButton);
    auto* iconRow = new QHBoxLayout;
    iconRow->addWidget(iconLabel_);
    iconRow->addWidget(iconButton);
    iconRow->addStretch();
    auto* form = new QFormLayout;
    form->addRow(Text(IDS_QUICK_MENU_NAME_LABEL), menuName_);
    form->addRow(Text(IDS_QUICK_EVENT_NAME_LABEL), eventName_);
    form->addRow(Text(IDS_QUICK_TYPE_LABEL), type_);
    form->addRow(Text(IDS_QUICK_OFFSET_LABEL), offset_);
    form->addRow(Text(IDS_QUICK_SOUND_LABEL), soundRow);
    form->addRow(QString(), iconRow);

    QDialogButtonBox* buttons = OkCancelButtons(*this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    iconLabel_->setPixmap(ToQPixmap(icon_));
    ShowSound();
}

void QuickEditorDialog::ShowSound() {
    sound_->setText(Q(SoundDescription(entry_.sound, entry_.soundPause, entry_.soundFile)));
}

void QuickEditorDialog::ChangeIcon() {
    if (const std::optional<ChosenIcon> icon = iconChooser_(this)) {
        icon_ = icon->small;
        iconLabel_->setPixmap(ToQPixmap(icon_));
    }
}

void QuickEditorDialog::ChooseSound() {
    const std::optional<SoundSetting> chosen =
        soundChooser_({entry_.sound, entry_.soundPause, entry_.soundFile}, this);
    if (!chosen) return;
    entry_.sound = chosen->sound;
    entry_.soundPause = chosen->pause;
    entry_.soundFile = chosen->file;
    ShowSound();
}

void QuickEditorDialog::accept() {
    QuickEntry typed;
    typed.menuName = menuName_->text().toStdString();
    typed.eventName = eventName_->text().toStdString();
    // A type name that no longer names a type stays as it was.
    typed.typeName =
        type_->currentIndex() >= 0 ? type_->currentText().toStdString() : entry_.typeName;
    typed.offsetSelected = offset_->currentIndex();
    typed.offsetText = offset_->currentText().toStdString();
    const QuickCheck check = CheckQuickEntry(typed, entry_);
    if (check.message != 0) {
        boxes_.Tell(this, Text(check.message), BoxIcon::Warning);
        (check.focus == QuickField::MenuName ? static_cast<QWidget*>(menuName_) : offset_)
            ->setFocus();
        return;
    }
    QDialog::accept();
}

} // namespace zm
