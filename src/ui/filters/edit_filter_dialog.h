#pragma once
// "Edit Filter" (captioned "Create a New Filter" for a new one): the filter's name, the types
// whose events it shows and "Show accepted events". OK checks the entry first and keeps the
// dialog open, with the focus on the field at fault, when it is refused.

#include "store/types/event_type.h"

#include <QDialog>
#include <vector>

class QCheckBox;
class QLineEdit;
class QListWidget;

namespace zm {

class UserBoxes;

class EditFilterDialog final : public QDialog {
    Q_OBJECT
public:
    // Edits filter `editedIndex` of `filters` (-1: a new, empty filter); its name must differ
    // from the other filters' names.
    EditFilterDialog(const std::vector<EventType>& types, const std::vector<TypeFilter>& filters,
                     int editedIndex, UserBoxes& boxes, QWidget* parent = nullptr);

    // The filter as accepted.
    const TypeFilter& Result() const { return result_; }

    void accept() override;

private:
    void SelectAll(bool on);

    const std::vector<EventType>& types_;
    const std::vector<TypeFilter>& filters_;
    int editedIndex_;
    UserBoxes& boxes_;
    TypeFilter result_;
    QLineEdit* name_;
    QListWidget* typeList_;
    QCheckBox* showAccepted_;
};

} // namespace zm
