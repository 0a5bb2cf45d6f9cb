// The filter dialogs driven through their controls: the refused entries of Edit Filter, the
// active filter kept across edits, a types file that cannot be saved, and the filter menu.

#include "platform/setting_table.h"
#include "res/strings.h"
#include "support/nameless_controls.h"
#include "support/widget_lookup.h"
#include "support/window_fixture.h"
#include "ui/common/ui_text.h"
#include "ui/filters/choose_filters_dialog.h"
#include "ui/filters/define_filters_dialog.h"
#include "ui/filters/edit_filter_dialog.h"
#include "ui/filters/filter_dialogs.h"
#include "ui/filters/find_bar.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <gtest/gtest.h>

namespace zm::testing {
namespace {

// Fills the editor: the name, the types to select (all others cleared), then OK.
bool FillAndAccept(EditFilterDialog& editor, const QString& name, const QStringList& types) {
    Child<QLineEdit>(editor, "name")->setText(name);
    QListWidget* list = Child<QListWidget>(editor, "types");
    for (int i = 0; i < list->count(); ++i)
        list->item(i)->setSelected(types.contains(list->item(i)->text()));
    editor.accept();
    return editor.result() == QDialog::Accepted;
}

class FilterDialogsTest : public ::testing::Test {
protected:
    FilterDialogsTest() {
        rig_.types_.Filters() = {{0, "Work", {"Meeting"}}, {1, "Home", {"Birthday"}}};
        rig_.types_.SelectFilter("Work");
    }
    QPushButton* Button(QWidget& dialog, const char* name) {
        return Child<QPushButton>(dialog, name);
    }
    WindowFixture rig_;
};

TEST_F(FilterDialogsTest, EveryControlOfTheFilterDialogsAndTheFindBarHasAName) {
    DefineFiltersDialog define(rig_.Context(), rig_.boxes_);
    EXPECT_EQ(NamelessControls(define), "");
    EditFilterDialog edit(rig_.types_.Types(), {}, -1, rig_.boxes_);
    EXPECT_EQ(NamelessControls(edit), "");
    ChooseFiltersDialog choose(rig_.types_.Filters(), {false, true});
    EXPECT_EQ(NamelessControls(choose), "");
    FindBar find(rig_.Context(), rig_.boxes_);
    EXPECT_EQ(NamelessControls(find), "");
}

TEST_F(FilterDialogsTest, EditFilterRefusesInOrderWithTheFocusOnTheField) {
    struct Case {
        QString name;
        QStringList types;
        int message;
        const char* focus;
    } cases[] = {
        {" work", {"Call"}, IDS_FILTER_NAME_EXISTS, "name"}, // letter case does not matter
        {"Play", {}, IDS_FILTER_NO_TYPE, "types"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        DefineFiltersDialog dialog(rig_.Context(), rig_.boxes_);
        QString focus;
        dialog.runEditor = [&](EditFilterDialog& editor) {
            const bool accepted = FillAndAccept(editor, c.name, c.types);
            focus = editor.focusWidget() ? editor.focusWidget()->objectName() : QString();
            return accepted;
        };
        Button(dialog, "new")->click();
        EXPECT_EQ(rig_.boxes_.LastText(), Text(c.message));
        EXPECT_EQ(focus, c.focus);
        EXPECT_EQ(Child<QListWidget>(dialog, "filters")->count(), 2);
    }
}

TEST_F(FilterDialogsTest, TheActiveFilterFollowsEditsAndRemovals) {
    struct Case {
        const char* what;
        std::function<void(DefineFiltersDialog&)> act;
        const char* button;
        std::string active;   // afterwards
        const char* inFilter; // a type marked for the active filter
    } cases[] = {
        {"renamed, then Close",
         [](DefineFiltersDialog& d) {
             d.runEditor = [](EditFilterDialog& e) { return FillAndAccept(e, "Office", {"Call"}); };
             d.findChild<QListWidget*>("filters")->setCurrentRow(1); // "Work" after "Home"
             d.findChild<QPushButton*>("modify")->click();
         },
         "close", "Office", "Call"},
        {"deleted, then Close",
         [this](DefineFiltersDialog& d) {
             rig_.boxes_.Answer(BoxAnswer::Yes);
             d.findChild<QListWidget*>("filters")->setCurrentRow(1);
             d.findChild<QPushButton*>("delete")->click();
         },
         "close", "", nullptr},
        {"filtering removed", [](DefineFiltersDialog&) {}, "removeFiltering", "", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        rig_.types_.Filters() = {{0, "Work", {"Meeting"}}, {1, "Home", {"Birthday"}}};
        rig_.types_.SelectFilter("Work");
        DefineFiltersDialog dialog(rig_.Context(), rig_.boxes_);
        c.act(dialog);
        Button(dialog, c.button)->click();
        EXPECT_TRUE(dialog.ChangedSomething());
        EXPECT_EQ(rig_.types_.ActiveFilterName(), c.active);
        EXPECT_EQ(ReadText(rig_.settings_, SettingId::ActiveFilter), c.active);
        for (const EventType& type : rig_.types_.Types())
            EXPECT_EQ(type.Has(kTypeInFilter), c.inFilter && type.name == c.inFilter) << type.name;
    }
}

TEST_F(FilterDialogsTest, ATypesFileThatCannotBeSavedIsTold) {
    rig_.context_.saveTypes = [] { return false; };
    DefineFiltersDialog dialog(rig_.Context(), rig_.boxes_);
    dialog.runEditor = [](EditFilterDialog& e) { return FillAndAccept(e, "Calls", {"Call"}); };
    Button(dialog, "new")->click();
    EXPECT_EQ(Child<QListWidget>(dialog, "filters")->currentItem()->text(), "Calls");
    EXPECT_EQ(Child<QLabel>(dialog, "description")->text(), "Call");
    Button(dialog, "close")->click();
    ASSERT_FALSE(rig_.boxes_.shown.empty());
    EXPECT_TRUE(rig_.boxes_.LastText().startsWith(Text(IDS_TYPES_FILE_NOT_SAVED)));
    EXPECT_EQ(rig_.boxes_.shown.back().icon, BoxIcon::Error);
    EXPECT_EQ(rig_.types_.Filters().size(), 3u); // kept for the session
    EXPECT_EQ(rig_.types_.ActiveFilterName(), "Work");
}

TEST_F(FilterDialogsTest, LimitsAndSelectAll) {
    rig_.types_.Filters().clear();
    for (int i = 0; i < 50; ++i)
        rig_.types_.Filters().push_back({0, "F" + std::to_string(10 + i), {"Call"}});
    DefineFiltersDialog full(rig_.Context(), rig_.boxes_);
    EXPECT_FALSE(Button(full, "new")->isEnabled());

    rig_.types_.Filters().clear();
    DefineFiltersDialog empty(rig_.Context(), rig_.boxes_);
    EXPECT_TRUE(Button(empty, "new")->isEnabled());
    for (const char* name : {"modify", "delete", "apply"})
        EXPECT_FALSE(Button(empty, name)->isEnabled()) << name;

    EditFilterDialog editor(rig_.types_.Types(), {}, -1, rig_.boxes_);
    EXPECT_EQ(editor.windowTitle(), Text(IDS_FILTER_NEW_CAPTION));
    Button(editor, "selectAll")->click();
    EXPECT_TRUE(Child<QCheckBox>(editor, "showAccepted")->isChecked());
    EXPECT_EQ(Child<QListWidget>(editor, "types")->selectedItems().size(), 11);
}

TEST_F(FilterDialogsTest, ChooseFiltersAndTheFilterMenu) {
    ChooseFiltersDialog choose(rig_.types_.Filters(), {false, true});
    EXPECT_EQ(choose.Chosen(), (std::vector<bool>{false, true}));
    Button(choose, "selectAll")->click();
    EXPECT_EQ(choose.Chosen(), (std::vector<bool>{true, true}));

    QMenu menu;
    FillFilterMenu(menu, rig_.types_);
    const QList<QAction*> actions = menu.actions();
    ASSERT_EQ(actions.size(), 4); // two filters, a separator, "Remove Filtering"
    EXPECT_TRUE(actions[0]->isChecked());
    EXPECT_EQ(actions[1]->data().toInt(), 1);
    EXPECT_EQ(actions[3]->data().toInt(), kRemoveFilteringEntry);

    EXPECT_TRUE(ApplyFilterEntry(rig_.Context(), actions[1]->data().toInt()));
    EXPECT_EQ(ReadText(rig_.settings_, SettingId::ActiveFilter), "Home");
    EXPECT_FALSE(ApplyFilterEntry(rig_.Context(), kRemoveFilteringEntry));
    EXPECT_EQ(rig_.types_.ActiveFilterName(), "");
}

} // namespace
} // namespace zm::testing
