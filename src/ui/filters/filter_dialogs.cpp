#include "ui/filters/filter_dialogs.h"

#include "store/types/filter_editing.h"
#include "ui/common/ui_text.h"
#include "ui/common/window_context.h"
#include "ui/filters/choose_filters_dialog.h"
#include "ui/filters/define_filters_dialog.h"

#include <QMenu>

namespace zm {

bool DefineFilters(WindowContext& context, UserBoxes& boxes, QWidget* parent) {
    DefineFiltersDialog dialog(context, boxes, parent);
    dialog.exec();
    return dialog.ChangedSomething();
}

bool ChooseFilters(WindowContext& context, const std::string& typeName, std::vector<bool>& chosen,
                   QWidget* parent) {
    const std::vector<TypeFilter>& filters = context.types.Filters();
    const std::vector<bool> start =
        chosen.size() == filters.size() ? chosen : FiltersListing(filters, typeName);
    ChooseFiltersDialog dialog(filters, start, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    chosen = dialog.Chosen();
    return true;
}

void FillFilterMenu(QMenu& menu, const TypeList& types, QAction* defineFilters) {
    menu.clear();
    for (const FilterMenuEntry& entry : FilterMenuEntries(types)) {
        QAction* action = menu.addAction(QString::fromStdString(entry.label));
        action->setCheckable(true);
        action->setChecked(entry.checked);
        action->setData(entry.index);
    }
    menu.addSeparator();
    menu.addAction(Text(IDS_FILTER_REMOVE))->setData(kRemoveFilteringEntry);
    if (defineFilters) {
        menu.addSeparator();
        menu.addAction(defineFilters);
    }
}

bool ApplyFilterEntry(WindowContext& context, int entry) {
    const std::vector<TypeFilter>& filters = context.types.Filters();
    const std::string name = entry >= 0 && static_cast<size_t>(entry) < filters.size()
                                 ? filters[static_cast<size_t>(entry)].name
                                 : std::string();
    return ApplyFilterName(context.types, context.settings, name);
}

bool ApplyStoredFilter(WindowContext& context) {
    return ApplyStoredFilter(context.types, context.settings);
}

} // namespace zm
