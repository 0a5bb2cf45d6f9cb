#pragma once
// "Choose Filters": the filters that show the events of one type, chosen from all filters.

#include "store/types/event_type.h"

#include <QDialog>
#include <vector>

class QListWidget;

namespace zm {

class ChooseFiltersDialog final : public QDialog {
    Q_OBJECT
public:
    // `chosen` has one flag per filter (missing flags read as off).
    ChooseFiltersDialog(const std::vector<TypeFilter>& filters, const std::vector<bool>& chosen,
                        QWidget* parent = nullptr);

    // One flag per filter: its row is selected.
    std::vector<bool> Chosen() const;

private:
    QListWidget* list_;
};

} // namespace zm
