#include "ui/filters/edit_filter_dialog.h"

#include "store/types/filter_editing.h"
#include "ui/common/dialog_buttons.h"
#include "ui/common/ui_text.h"
#include "ui/common/user_boxes.h"
#include "ui/filters/select_all_row.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace zm {

EditFilterDialog::EditFilterDialog(const std::vector<EventType>& types,
                                   const std::vector<TypeFilter>& filters, int editedIndex,
                                   UserBoxes& boxes, QWidget* parent)
    : QDialog(parent), types_(types), filters_(filters), editedIndex_(editedIndex), boxes_(boxes),
      name_(new QLineEdit(this)), typeList_(new QListWidget(this)),
      showAccepted_(new QCheckBox(Text(IDS_FILTER_SHOW_ACCEPTED), this)) {
    const bool isNew = editedIndex < 0 || static_cast<size_t>(editedIndex) >= filters.size();
    if (isNew) editedIndex_ = -1;
    setWindowTitle(Text(isNew ? IDS_FILTER_NEW_CAPTION : IDS_FILTER_EDIT_CAPTION));
    const TypeFilter start = isNew ? TypeFilter{} : filters[static_cast<size_t>(editedIndex)];
    const FilterEntry entry = EntryOfFilter(start, types);

    auto* nameLabel = new QLabel(Text(IDS_FILTER_NAME_LABEL), this);
    nameLabel->setBuddy(name_);
    name_->setMaxLength(static_cast<int>(kMaxFilterNameLength));
    name_->setText(QString::fromStdString(entry.name));
    name_->setAccessibleName(PlainText(IDS_FILTER_NAME_LABEL));
    name_->setObjectName(QStringLiteral("name"));

    auto* typesLabel = new QLabel(Text(IDS_FILTER_TYPES_LABEL), this);
    typesLabel->setBuddy(typeList_);
    // A click toggles a type, so a double click (whose second click is not a press) does too.
    typeList_->setSelectionMode(QAbstractItemView::MultiSelection);
    typeList_->setAccessibleName(PlainText(IDS_FILTER_TYPES_LABEL));
    typeList_->setObjectName(QStringLiteral("types"));
    for (size_t i = 0; i < types.size(); ++i) {
        auto* item = new QListWidgetItem(QString::fromStdString(types[i].name), typeList_);
        item->setSelected(entry.typeSelected[i]);
    }
    showAccepted_->setChecked(entry.showAccepted);
    showAccepted_->setObjectName(QStringLiteral("showAccepted"));

    QHBoxLayout* selectRow = SelectAllRow(*this, [this](bool on) { SelectAll(on); });
    QDialogButtonBox* buttons = OkCancelButtons(*this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(nameLabel);
    layout->addWidget(name_);
    layout->addWidget(typesLabel);
    layout->addWidget(typeList_);
    layout->addWidget(showAccepted_);
    layout->addLayout(selectRow);
    layout->addWidget(buttons);
    name_->setFocus();
}

void EditFilterDialog::SelectAll(bool on) {
    for (int i = 0; i < typeList_->count(); ++i)
        typeList_->item(i)->setSelected(on);
    showAccepted_->setChecked(on);
}

void EditFilterDialog::accept() {
    FilterEntry entry;
    entry.name = name_->text().toStdString();
    entry.showAccepted = showAccepted_->isChecked();
    for (int i = 0; i < typeList_->count(); ++i)
        entry.typeSelected.push_back(typeList_->item(i)->isSelected());
    const FilterCheck check = CheckFilterEntry(entry, filters_, editedIndex_, types_, result_);
    if (check.message != 0) {
        boxes_.Tell(this, Text(check.message), BoxIcon::Warning);
        if (check.focus == FilterField::Name) {
            name_->setFocus();
            name_->selectAll();
        } else {
            typeList_->setFocus();
        }
        return;
    }
    QDialog::accept();
}

} // namespace zm
