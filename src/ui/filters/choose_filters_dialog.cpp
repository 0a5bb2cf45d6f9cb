#include "ui/filters/choose_filters_dialog.h"

#include "ui/common/dialog_buttons.h"
#include "ui/common/ui_text.h"
#include "ui/filters/select_all_row.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace zm {

ChooseFiltersDialog::ChooseFiltersDialog(const std::vector<TypeFilter>& filters,
                                         const std::vector<bool>& chosen, QWidget* parent)
    : QDialog(parent), list_(new QListWidget(this)) {
    setWindowTitle(Text(IDS_FILTER_CHOOSE_CAPTION));
    auto* label = new QLabel(Text(IDS_FILTER_CHOOSE_LABEL), this);
    label->setBuddy(list_);
    // A click toggles a filter, so a double click (whose second click is not a press) does too.
    list_->setSelectionMode(QAbstractItemView::MultiSelection);
    list_->setAccessibleName(PlainText(IDS_FILTER_CHOOSE_LABEL));
    list_->setObjectName(QStringLiteral("filters"));
    for (size_t i = 0; i < filters.size(); ++i) {
        auto* item = new QListWidgetItem(QString::fromStdString(filters[i].name), list_);
        item->setSelected(i < chosen.size() && chosen[i]);
    }

    QHBoxLayout* selectRow = SelectAllRow(*this, [this](bool on) {
        if (on) return list_->selectAll();
        list_->clearSelection();
    });
    QDialogButtonBox* buttons = OkCancelButtons(*this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(list_);
    layout->addLayout(selectRow);
    layout->addWidget(buttons);
    list_->setFocus();
}

std::vector<bool> ChooseFiltersDialog::Chosen() const {
    std::vector<bool> flags;
    for (int i = 0; i < list_->count(); ++i)
        flags.push_back(list_->item(i)->isSelected());
    return flags;
}

} // namespace zm
