#include "ui/types/quick_rems_page.h"

#include "res/artwork.h"
#include "store/quick/quick_file.h"
#include "ui/common/user_boxes.h"
#include "ui/common/window_context.h"
#include "ui/types/type_widgets.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace zm {

QuickRemsPage::QuickRemsPage(WindowContext& context, UserBoxes& boxes, QWidget* parent)
    : QWidget(parent), context_(context), boxes_(boxes), work_(context.quick),
      runner_([](QuickEditorDialog& editor) { return editor.exec() == QDialog::Accepted; }),
      list_(new QListWidget(this)), new_(new QPushButton(Text(IDS_FILTER_NEW), this)),
      modify_(new QPushButton(Text(IDS_FILTER_MODIFY), this)),
      delete_(new QPushButton(Text(IDS_FILTER_DELETE), this)) {
    setWindowTitle(Text(IDS_PAGE_QUICKS));
    list_->setObjectName(QStringLiteral("quickReminders"));
    list_->setIconSize(QSize(kQuickIconSize, kQuickIconSize));
    list_->setAccessibleName(Text(IDS_PAGE_QUICKS));
    new_->setObjectName(QStringLiteral("new"));
    modify_->setObjectName(QStringLiteral("modify"));
    delete_->setObjectName(QStringLiteral("delete"));

    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {new_, modify_, delete_})
        buttons->addWidget(b);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);

    connect(new_, &QPushButton::clicked, this, &QuickRemsPage::NewEntry);
    connect(modify_, &QPushButton::clicked, this, &QuickRemsPage::ModifyEntry);
    connect(delete_, &QPushButton::clicked, this, &QuickRemsPage::DeleteEntry);
    connect(list_, &QListWidget::itemDoubleClicked, this, &QuickRemsPage::ModifyEntry);
    Fill(work_.Count() > 0 ? 0 : -1);
}

void QuickRemsPage::Fill(int select) {
    list_->clear();
    for (size_t i = 0; i < work_.Count(); ++i)
        new QListWidgetItem(QIconOf(work_.Icons()[i]), Q(work_.Entries()[i].menuName), list_);
    list_->setCurrentRow(select);
    UpdateButtons();
}

void QuickRemsPage::UpdateButtons() {
    new_->setEnabled(!work_.Full());
    modify_->setEnabled(work_.Count() > 0);
    delete_->setEnabled(work_.Count() > 0);
}

int QuickRemsPage::SelectedRow() const {
    const int row = list_->currentRow();
    return row >= 0 && static_cast<size_t>(row) < work_.Count() ? row : -1;
}

int QuickRemsPage::SortAndFind(const std::string& menuName) {
    work_.SortByMenuName();
    for (size_t i = 0; i < work_.Count(); ++i)
        if (work_.Entries()[i].menuName == menuName) return static_cast<int>(i);
    return 0;
}

void QuickRemsPage::NewEntry() {
    if (work_.Full()) {
        boxes_.Beep();
        return;
    }
    QuickEditorDialog editor(context_, boxes_, QuickReminder{},
                             ProgramIcon(kIconNewEntry, kQuickIconSize), true, this);
    if (!runner_(editor)) return;
    if (!work_.Add(editor.Result(), editor.Icon())) {
        boxes_.ReportLibraryError(this, LibraryResult::OutOfMemory);
        return;
    }
    changed_ = true;
    Fill(SortAndFind(editor.Result().menuName));
}

void QuickRemsPage::ModifyEntry() {
    const int row = SelectedRow();
    if (row < 0) {
        boxes_.Beep();
        return;
    }
    const auto index = static_cast<size_t>(row);
    QuickEditorDialog editor(context_, boxes_, work_.Entries()[index], work_.Icons()[index], false,
                             this);
    if (!runner_(editor)) return;
    work_.Replace(index, editor.Result(), editor.Icon());
    changed_ = true;
    Fill(SortAndFind(editor.Result().menuName));
}

void QuickRemsPage::DeleteEntry() {
    const int row = SelectedRow();
    if (row < 0) {
        boxes_.Beep();
        return;
    }
    if (!boxes_.AskYesNo(this, Text(IDS_ASK_DELETE_QUICK), BoxIcon::Warning)) return;
    work_.Remove(static_cast<size_t>(row));
    changed_ = true;
    const int count = static_cast<int>(work_.Count());
    Fill(count == 0 ? -1 : std::min(row, count - 1));
    if (count == 0) new_->setFocus();
}

bool QuickRemsPage::Apply() {
    if (!changed_) return true;
    work_.SortByMenuName();
    context_.quick = work_;
    changed_ = false;
    const bool saved = context_.saveQuick && context_.saveQuick();
    if (!saved)
        boxes_.Tell(this, Text(IDS_QUICK_FILE_NOT_SAVED) + QString::fromUtf8(kQuickFileName),
                    BoxIcon::Error);
    emit quickRemindersApplied();
    return saved;
}

} // namespace zm
