#include "ui/filters/define_filters_dialog.h"

#include "store/types/types_file.h"
#include "ui/common/ui_text.h"
#include "ui/common/user_boxes.h"
#include "ui/common/window_context.h"
#include "ui/filters/edit_filter_dialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace zm {
namespace {

QPushButton* Button(QWidget* parent, int textId, const char* name) {
    auto* button = new QPushButton(Text(textId), parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

} // namespace

DefineFiltersDialog::DefineFiltersDialog(WindowContext& context, UserBoxes& boxes, QWidget* parent)
    : QDialog(parent), context_(context), boxes_(boxes),
      work_(context.types.Filters(), context.types.ActiveFilterName()),
      list_(new QListWidget(this)), new_(Button(this, IDS_FILTER_NEW, "new")),
      modify_(Button(this, IDS_FILTER_MODIFY, "modify")),
      delete_(Button(this, IDS_FILTER_DELETE, "delete")),
      apply_(Button(this, IDS_FILTER_APPLY, "apply")), description_(new QLabel(this)) {
    runEditor = [](EditFilterDialog& editor) { return editor.exec() == QDialog::Accepted; };
    setWindowTitle(Text(IDS_FILTER_DEFINE_CAPTION));
    list_->setObjectName(QStringLiteral("filters"));
    list_->setAccessibleName(Text(IDS_FILTER_DEFINE_CAPTION));
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setUniformItemSizes(true);
    description_->setObjectName(QStringLiteral("description"));
    description_->setWordWrap(true);
    description_->setTextFormat(Qt::PlainText);
    description_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    description_->setMinimumHeight(description_->fontMetrics().height() * 3);
    description_->setAccessibleName(Text(IDS_FILTER_DESCRIPTION));
    auto* removeFiltering = Button(this, IDS_FILTER_REMOVE, "removeFiltering");
    auto* close = Button(this, IDS_CLOSE, "close");
    apply_->setDefault(true);

    connect(new_, &QPushButton::clicked, this, [this] { Edit(true); });
    connect(modify_, &QPushButton::clicked, this, [this] { Edit(false); });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] { Edit(false); });
    connect(delete_, &QPushButton::clicked, this, &DefineFiltersDialog::Delete);
    connect(apply_, &QPushButton::clicked, this, [this] { End(FiltersEnding::Apply); });
    connect(removeFiltering, &QPushButton::clicked, this,
            [this] { End(FiltersEnding::RemoveFiltering); });
    connect(close, &QPushButton::clicked, this, &DefineFiltersDialog::reject);
    connect(list_, &QListWidget::itemSelectionChanged, this,
            &DefineFiltersDialog::SelectionChanged);

    auto* side = new QVBoxLayout;
    side->addWidget(new_);
    side->addWidget(modify_);
    side->addWidget(delete_);
    side->addStretch();
    side->addWidget(apply_);
    side->addWidget(removeFiltering);
    side->addWidget(close);
    auto* top = new QHBoxLayout;
    top->addWidget(list_, 1);
    top->addLayout(side);
    auto* descriptionBox = new QGroupBox(Text(IDS_FILTER_DESCRIPTION), this);
    auto* descriptionLayout = new QVBoxLayout(descriptionBox);
    descriptionLayout->addWidget(description_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(descriptionBox);

    Fill(0);
    if (work_.Count() == 0)
        new_->setFocus();
    else
        list_->setFocus();
}

void DefineFiltersDialog::Fill(int selectRow) {
    list_->clear();
    for (const TypeFilter& filter : work_.Filters())
        list_->addItem(QString::fromStdString(filter.name));
    if (selectRow >= 0 && selectRow < list_->count()) {
        list_->setCurrentRow(selectRow);
        list_->scrollToItem(list_->item(selectRow));
    }
    SelectionChanged();
}

int DefineFiltersDialog::SelectedRow() const {
    const QList<QListWidgetItem*> selected = list_->selectedItems();
    return selected.isEmpty() ? -1 : list_->row(selected.front());
}

void DefineFiltersDialog::SelectionChanged() {
    const int row = SelectedRow();
    const bool any = row >= 0;
    modify_->setEnabled(any);
    delete_->setEnabled(any);
    apply_->setEnabled(any);
    new_->setEnabled(work_.CanAdd());
    description_->setText(
        any ? QString::fromStdString(DescribeFilter(work_.Filters()[static_cast<size_t>(row)],
                                                    LoadString(IDS_FILTER_DESCRIPTION_ACCEPTED)))
            : QString());
}

void DefineFiltersDialog::Edit(bool isNew) {
    if (isNew && !work_.CanAdd()) return;
    const int row = isNew ? -1 : SelectedRow();
    if (!isNew && row < 0) return;
    EditFilterDialog editor(context_.types.Types(), work_.Filters(), row, boxes_, this);
    if (!runEditor(editor)) return;
    const int at = isNew ? work_.Add(editor.Result())
                         : work_.Replace(static_cast<size_t>(row), editor.Result());
    Fill(at);
    list_->setFocus();
}

void DefineFiltersDialog::Delete() {
    const int row = SelectedRow();
    if (row < 0) return;
    if (!boxes_.AskYesNo(this, Text(IDS_ASK_DELETE_FILTER), BoxIcon::Warning)) return;
    const int next = work_.Remove(static_cast<size_t>(row));
    Fill(next);
    if (next < 0)
        new_->setFocus();
    else
        list_->setFocus();
}

void DefineFiltersDialog::reject() {
    End(FiltersEnding::Close);
}

void DefineFiltersDialog::End(FiltersEnding ending) {
    const std::optional<std::string> name = work_.NameToApply(ending, SelectedRow());
    if (work_.Changed()) {
        context_.types.Filters() = work_.Filters();
        changedSomething_ = true;
        if (!context_.saveTypes || !context_.saveTypes())
            boxes_.Tell(this, Text(IDS_TYPES_FILE_NOT_SAVED) + QString::fromUtf8(kTypesFileName),
                        BoxIcon::Error);
    }
    if (name) {
        ApplyFilterName(context_.types, context_.settings, *name);
        changedSomething_ = true;
    } else if (work_.Changed()) {
        // The filters were replaced: the active one is marked on its types again.
        const std::string active = context_.types.ActiveFilterName();
        context_.types.SelectFilter(active);
    }
    done(name ? QDialog::Accepted : QDialog::Rejected);
}

} // namespace zm
