#pragma once
// "Define Filters": the user creates, edits and deletes filters on a copy of the program's
// filters and applies one, removes filtering or closes. Leaving the dialog writes the copy back
// when it changed (and saves the types file, telling the user when that fails), and makes the
// chosen filter active.

#include "store/types/filter_editing.h"

#include <QDialog>
#include <functional>

class QLabel;
class QListWidget;
class QPushButton;

namespace zm {

struct WindowContext;
class UserBoxes;
class EditFilterDialog;

class DefineFiltersDialog final : public QDialog {
    Q_OBJECT
public:
    DefineFiltersDialog(WindowContext& context, UserBoxes& boxes, QWidget* parent = nullptr);

    // Runs "Edit Filter" and answers whether it was accepted; tests drive the editor here
    // instead of in a nested loop.
    std::function<bool(EditFilterDialog&)> runEditor;

    // Once the dialog has ended: the filters or the active filter changed.
    bool ChangedSomething() const { return changedSomething_; }

    void reject() override; // "Close", the Escape key and the window's close button

private:
    void Edit(bool isNew);
    void Delete();
    void End(FiltersEnding ending);
    void Fill(int selectRow);
    void SelectionChanged();
    int SelectedRow() const;

    WindowContext& context_;
    UserBoxes& boxes_;
    FilterWorkList work_;
    bool changedSomething_ = false;
    QListWidget* list_;
    QPushButton* new_;
    QPushButton* modify_;
    QPushButton* delete_;
    QPushButton* apply_;
    QLabel* description_;
};

} // namespace zm
