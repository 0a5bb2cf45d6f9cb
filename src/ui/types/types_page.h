#pragma once
// The "Event Types" page of the preferences: the types with their icons and colours, New,
// Modify, Delete, "Restore Predefined" and the undefined type's look. It works on a copy of the
// type list; Apply puts the copy in place of the program's list and saves it.

#include "store/types/type_list.h"
#include "ui/types/type_editor_dialog.h"

#include <QWidget>
#include <functional>

class QLabel;
class QListWidget;
class QPushButton;

namespace zm {

struct WindowContext;
class UserBoxes;

class TypesPage final : public QWidget {
    Q_OBJECT
public:
    // Runs a type editor; true when the user pressed OK. Tests give their own.
    using EditorRunner = std::function<bool(TypeEditorDialog& editor)>;

    TypesPage(WindowContext& context, UserBoxes& boxes, QWidget* parent = nullptr);

    // The working list replaces the program's (in name order), the types file is saved, the
    // kept filter is applied again and the events take their types anew. A file that cannot
    // be saved is told to the user and gives false; the list stays applied for this session.
    bool Apply();
    // The working list differs from the program's.
    bool Changed() const { return changed_; }
    const TypeList& Work() const { return work_; }

    void SetEditorRunner(EditorRunner runner) { runner_ = std::move(runner); }

    // The buttons.
    void NewType();
    void ModifyType();
    void DeleteType();
    void RestorePredefined();
    void EditUndefined();

    QListWidget* List() const { return list_; }
    QPushButton* NewButton() const { return new_; }

signals:
    // The program's type list was replaced by Apply.
    void typesApplied();

private:
    void Fill(int select);
    void UpdateButtons();
    int SelectedRow() const;

    WindowContext& context_;
    UserBoxes& boxes_;
    TypeList work_;
    bool changed_ = false;
    EditorRunner runner_;

    QListWidget* list_;
    QPushButton* new_;
    QPushButton* modify_;
    QPushButton* delete_;
    QPushButton* restore_;
    QPushButton* editUndefined_;
    QLabel* undefinedIcon_;
};

} // namespace zm
