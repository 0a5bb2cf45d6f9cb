#include "ui/types/types_page.h"

#include "format/colour_contrast.h"
#include "res/artwork.h"
#include "store/types/types_file.h"
#include "ui/common/user_boxes.h"
#include "ui/common/window_context.h"
#include "ui/filters/filter_dialogs.h"
#include "ui/types/type_widgets.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace zm {

TypesPage::TypesPage(WindowContext& context, UserBoxes& boxes, QWidget* parent)
    : QWidget(parent), context_(context), boxes_(boxes), work_(context.types),
      runner_([](TypeEditorDialog& editor) { return editor.exec() == QDialog::Accepted; }),
      list_(new QListWidget(this)), new_(new QPushButton(Text(IDS_FILTER_NEW), this)),
      modify_(new QPushButton(Text(IDS_FILTER_MODIFY), this)),
      delete_(new QPushButton(Text(IDS_FILTER_DELETE), this)),
      restore_(new QPushButton(Text(IDS_TYPES_RESTORE), this)),
      editUndefined_(new QPushButton(Text(IDS_TYPES_EDIT_UNDEFINED), this)),
      undefinedIcon_(new QLabel(this)) {
    setWindowTitle(Text(IDS_PAGE_TYPES));
    list_->setObjectName(QStringLiteral("types"));
    list_->setIconSize(QSize(kSmallIconSize, kSmallIconSize));
    list_->setAccessibleName(Text(IDS_PAGE_TYPES));
    new_->setObjectName(QStringLiteral("new"));
    modify_->setObjectName(QStringLiteral("modify"));
    delete_->setObjectName(QStringLiteral("delete"));
    restore_->setObjectName(QStringLiteral("restore"));
    editUndefined_->setObjectName(QStringLiteral("editUndefined"));

    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {new_, modify_, delete_, restore_})
        buttons->addWidget(b);
    buttons->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(list_, 1);
    top->addLayout(buttons);

    auto* undefined = new QGroupBox(Text(IDS_TYPES_UNDEFINED_GROUP), this);
    auto* undefinedRow = new QHBoxLayout(undefined);
    undefinedRow->addWidget(undefinedIcon_);
    undefinedRow->addWidget(new QLabel(Text(IDS_TYPE_UNDEFINED_NAME), undefined), 1);
    undefinedRow->addWidget(editUndefined_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(undefined);

    connect(new_, &QPushButton::clicked, this, &TypesPage::NewType);
    connect(modify_, &QPushButton::clicked, this, &TypesPage::ModifyType);
    connect(delete_, &QPushButton::clicked, this, &TypesPage::DeleteType);
    connect(restore_, &QPushButton::clicked, this, &TypesPage::RestorePredefined);
    connect(editUndefined_, &QPushButton::clicked, this, &TypesPage::EditUndefined);
    connect(list_, &QListWidget::itemDoubleClicked, this, &TypesPage::ModifyType);
    connect(list_, &QListWidget::currentRowChanged, this, &TypesPage::UpdateButtons);
    Fill(work_.TypeCount() > 0 ? 0 : -1);
}

void TypesPage::Fill(int select) {
    list_->clear();
    const uint32_t base = list_->palette().color(QPalette::Base).rgb() & 0xFFFFFF;
    for (size_t i = 0; i < work_.TypeCount(); ++i) {
        const int index = static_cast<int>(i);
        auto* item = new QListWidgetItem(QIconOf(work_.TypeSmallIcon(index)),
                                         Q(work_.Types()[i].name), list_);
        const uint32_t colour = RgbFromTypeColour(work_.Types()[i].colour);
        item->setForeground(QColor::fromRgb(ReadableColour(colour, base)));
    }
    list_->setCurrentRow(select);
    const UndefinedType& u = work_.UndefinedEntry();
    QPixmap icon = ToQPixmap(u.smallIcon);
    undefinedIcon_->setPixmap(icon);
    undefinedIcon_->setStyleSheet(
        QStringLiteral("background-color: %1;").arg(ColourOf(u.colour).name()));
    UpdateButtons();
}

void TypesPage::UpdateButtons() {
    new_->setEnabled(work_.TypeCount() < kMaxTypes);
    const bool some = work_.TypeCount() > 0;
    modify_->setEnabled(some);
    delete_->setEnabled(some);
    restore_->setEnabled(work_.TypeCount() < kMaxTypes);
}

int TypesPage::SelectedRow() const {
    const int row = list_->currentRow();
    return row >= 0 && static_cast<size_t>(row) < work_.TypeCount() ? row : -1;
}

void TypesPage::NewType() {
    if (work_.TypeCount() >= kMaxTypes) {
        boxes_.Beep();
        return;
    }
    TypeEditorDialog editor(context_, boxes_, work_, -1, TypeEditorDialog::Mode::New, this);
    if (!runner_(editor)) return;
    const int row =
        CommitTypeEdit(work_, -1, editor.Result(), ProgramIcon(kIconNewEntry, kSmallIconSize),
                       ProgramIcon(kIconNewEntry, kLargeIconSize));
    if (row < 0) {
        boxes_.ReportLibraryError(this, LibraryResult::OutOfMemory);
        return;
    }
    changed_ = true;
    Fill(row);
}

void TypesPage::ModifyType() {
    const int row = SelectedRow();
    if (row < 0) {
        boxes_.Beep();
        return;
    }
    TypeEditorDialog editor(context_, boxes_, work_, row, TypeEditorDialog::Mode::Edit, this);
    if (!runner_(editor)) return;
    const int at = CommitTypeEdit(work_, row, editor.Result(), {}, {});
    changed_ = true;
    Fill(at);
}

void TypesPage::DeleteType() {
    const int row = SelectedRow();
    if (row < 0) {
        boxes_.Beep();
        return;
    }
    if (!boxes_.AskYesNo(this, Text(IDS_ASK_DELETE_TYPE), BoxIcon::Warning)) return;
    work_.RemoveType(row);
    changed_ = true;
    const int count = static_cast<int>(work_.TypeCount());
    Fill(count == 0 ? -1 : std::min(row, count - 1));
    if (count == 0) new_->setFocus();
}

void TypesPage::RestorePredefined() {
    if (!boxes_.AskYesNo(this, Text(IDS_ASK_RESTORE_TYPES), BoxIcon::Warning)) return;
    const int row = SelectedRow();
    const std::string selected = row >= 0 ? work_.Types()[static_cast<size_t>(row)].name : "";
    if (work_.RestorePredefined() == 0) return;
    changed_ = true;
    const int again = work_.FindType(selected);
    Fill(again >= 0 ? again : 0);
}

void TypesPage::EditUndefined() {
    TypeEditorDialog editor(context_, boxes_, work_, -1, TypeEditorDialog::Mode::Undefined, this);
    if (!runner_(editor)) return;
    UndefinedType& u = work_.UndefinedEntry();
    const UndefinedType& chosen = editor.UndefinedResult();
    if (u.colour == chosen.colour && u.sound == chosen.sound && u.soundPause == chosen.soundPause &&
        u.soundFile == chosen.soundFile)
        return;
    u.colour = chosen.colour;
    u.sound = chosen.sound;
    u.soundPause = chosen.soundPause;
    u.soundFile = chosen.soundFile;
    changed_ = true;
    Fill(SelectedRow());
}

bool TypesPage::Apply() {
    if (!changed_) return true;
    work_.SortByName();
    context_.types = work_;
    changed_ = false;
    const bool saved = context_.saveTypes && context_.saveTypes();
    if (!saved)
        boxes_.Tell(this, Text(IDS_TYPES_FILE_NOT_SAVED) + QString::fromUtf8(kTypesFileName),
                    BoxIcon::Error);
    ApplyStoredFilter(context_);
    work_ = context_.types;
    context_.store.TypesChanged();
    emit typesApplied();
    return saved;
}

} // namespace zm
