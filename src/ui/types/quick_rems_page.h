#pragma once
// The "Quick Rems" page of the preferences: the quick reminders with their icons, New, Modify
// and Delete, at most 25 of them. It works on a copy of the list; Apply puts the copy in place
// of the program's list and saves it.

#include "store/quick/quick_list.h"
#include "ui/types/quick_editor_dialog.h"

#include <QWidget>
#include <functional>

class QListWidget;
class QPushButton;

namespace zm {

struct WindowContext;
class UserBoxes;

class QuickRemsPage final : public QWidget {
    Q_OBJECT
public:
    // Runs an editor; true when the user pressed OK. Tests give their own.
    using EditorRunner = std::function<bool(QuickEditorDialog& editor)>;

    QuickRemsPage(WindowContext& context, UserBoxes& boxes, QWidget* parent = nullptr);

    // The working list replaces the program's (in menu-name order) and the quick-reminder file
    // is saved (context.saveQuick); then quickRemindersApplied tells the frame to rebuild its
    // menu. A file that cannot be saved is told to the user and gives false; the list stays
    // applied for this session.
    bool Apply();
    bool Changed() const { return changed_; }
    const QuickList& Work() const { return work_; }

    void SetEditorRunner(EditorRunner runner) { runner_ = std::move(runner); }

    void NewEntry();
    void ModifyEntry();
    void DeleteEntry();

    QListWidget* List() const { return list_; }
    QPushButton* NewButton() const { return new_; }
    QPushButton* ModifyButton() const { return modify_; }
    QPushButton* DeleteButton() const { return delete_; }

signals:
    // The program's quick reminders were replaced: the menus that list them are built anew.
    void quickRemindersApplied();

private:
    void Fill(int select);
    void UpdateButtons();
    int SelectedRow() const;
    // Sorts the working list and gives the row of the entry named `menuName`.
    int SortAndFind(const std::string& menuName);

    WindowContext& context_;
    UserBoxes& boxes_;
    QuickList work_;
    bool changed_ = false;
    EditorRunner runner_;

    QListWidget* list_;
    QPushButton* new_;
    QPushButton* modify_;
    QPushButton* delete_;
};

} // namespace zm
