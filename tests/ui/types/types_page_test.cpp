// The types page and the type editor driven through their controls: restoring the predefined
// types up to the limit, the editor's checks in their order, the filter membership kept through
// an edit, a types file that cannot be saved, and the events taking their types anew.

#include "res/artwork.h"
#include "res/strings.h"
#include "support/event_builders.h"
#include "support/widget_lookup.h"
#include "support/window_fixture.h"
#include "ui/common/ui_text.h"
#include "ui/types/types_page.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>

namespace zm::testing {
namespace {

bool Accepted(TypeEditorDialog& editor) {
    editor.accept();
    return editor.result() == QDialog::Accepted;
}

void SelectType(TypesPage& page, const char* name) {
    page.List()->setCurrentRow(page.Work().FindType(name));
}

TEST(TypesPage, RestoresPredefinedTypesOnlyUpToFifty) {
    WindowFixture rig;
    rig.types_.ClearTypes();
    for (int i = 0; i < 45; ++i) {
        EventType t = NewEventType(rig.types_.systemColours);
        t.name = "Custom " + std::to_string(100 + i);
        rig.types_.AddType(t, ProgramIcon(kIconNewEntry, 16), ProgramIcon(kIconNewEntry, 32));
    }
    TypesPage page(rig.Context(), rig.boxes_);
    EXPECT_TRUE(page.NewButton()->isEnabled());
    rig.boxes_.Answer(BoxAnswer::Yes);
    page.RestorePredefined();
    EXPECT_EQ(rig.boxes_.LastText(), Text(IDS_ASK_RESTORE_TYPES));
    ASSERT_EQ(page.Work().TypeCount(), 50u);
    for (const char* name : {"Alarm", "Anniversary", "Appointment", "Birthday", "Call"})
        EXPECT_GE(page.Work().FindType(name), 0) << name;
    EXPECT_EQ(page.Work().FindType("Holiday"), -1);
    EXPECT_EQ(page.Work().Types().front().name, "Alarm"); // sorted by name
    EXPECT_FALSE(page.NewButton()->isEnabled());
    EXPECT_EQ(rig.types_.TypeCount(), 45u); // nothing applied yet
    EXPECT_TRUE(page.Apply());
    EXPECT_EQ(rig.types_.TypeCount(), 50u);
    EXPECT_TRUE(rig.typesSaved_);
}

TEST(TypeEditor, ChecksRunInOrderAndKeepTheFocusOnTheField) {
    WindowFixture rig;
    TypeEditorDialog editor(rig.Context(), rig.boxes_, rig.types_, -1, TypeEditorDialog::Mode::New);
    EXPECT_EQ(editor.windowTitle(), Text(IDS_TYPE_NEW_CAPTION));
    auto* name = Child<QLineEdit>(editor, "name");
    auto* remind = Child<QComboBox>(editor, "remind");
    auto* duration = Child<QComboBox>(editor, "duration");
    struct Step {
        const char* name;
        const char* remind;
        const char* duration;
        int message;
        QWidget* focus;
    } steps[] = {
        {"   ", "soon", "0", IDS_TYPE_NAME_EMPTY, name},
        {" bIRTHDAY", "soon", "0", IDS_TYPE_NAME_EXISTS, name},
        {"Gym", "soon", "0", IDS_DURATION_NOT_VALID, remind},
        {"Gym", "99999 days", "0", IDS_DURATION_TOO_LARGE, remind},
        {"Gym", "5", "0", IDS_DURATION_NOT_VALID, duration},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.message);
        name->setText(QString::fromUtf8(s.name));
        remind->setEditText(QString::fromUtf8(s.remind));
        duration->setEditText(QString::fromUtf8(s.duration));
        EXPECT_FALSE(Accepted(editor));
        EXPECT_EQ(rig.boxes_.LastText(), Text(s.message));
        EXPECT_EQ(editor.focusWidget(), s.focus);
    }
    duration->setEditText(QStringLiteral("2 h"));
    ASSERT_TRUE(Accepted(editor));
    EXPECT_EQ(editor.Result().type.name, "Gym");
    EXPECT_EQ(editor.Result().type.advance, TimeAmount::Of(AmountUnit::Minute, 5));
    EXPECT_EQ(editor.Result().type.duration, TimeAmount::Of(AmountUnit::Hour, 2));
}

TEST(TypeEditor, TheUndefinedTypeChangesOnlyItsColourAndSound) {
    WindowFixture rig;
    TypesPage page(rig.Context(), rig.boxes_);
    page.SetEditorRunner([](TypeEditorDialog& editor) {
        EXPECT_EQ(editor.windowTitle(), Text(IDS_TYPE_EDIT_UNDEFINED_CAPTION));
        EXPECT_FALSE(Child<QLineEdit>(editor, "name")->isEnabled());
        EXPECT_FALSE(Child<QPushButton>(editor, "filters")->isEnabled());
        editor.SetSoundChooser([](const SoundSetting&, QWidget*) {
            return std::optional<SoundSetting>({2, 0x00020003, "bell.wav"});
        });
        editor.ChooseSound();
        return Accepted(editor);
    });
    page.EditUndefined();
    ASSERT_TRUE(page.Changed());
    page.Apply();
    EXPECT_EQ(rig.types_.UndefinedEntry().sound, 2u);
    EXPECT_EQ(rig.types_.UndefinedEntry().soundPause, 0x00020003u);
    EXPECT_EQ(rig.types_.UndefinedEntry().soundFile, "bell.wav");
    EXPECT_EQ(rig.types_.TypeCount(), 11u);
}

// Renaming a type without opening "Filters..." keeps it in its filters under the new name; the
// filters chosen there decide otherwise.
TEST(TypesPage, AnEditKeepsTheTypesFilterMembership) {
    WindowFixture rig;
    rig.types_.Filters() = {{0, "Work", {"call", "Meeting"}}, {0, "Home", {"Birthday"}}};
    TypesPage page(rig.Context(), rig.boxes_);
    page.SetEditorRunner([](TypeEditorDialog& editor) {
        EXPECT_EQ(editor.windowTitle(), Text(IDS_TYPE_EDIT_CAPTION));
        Child<QLineEdit>(editor, "name")->setText(QStringLiteral("Phone"));
        return Accepted(editor);
    });
    SelectType(page, "Call");
    page.ModifyType();
    EXPECT_EQ(page.Work().FindType("Phone"), page.List()->currentRow());

    std::vector<bool> offered;
    page.SetEditorRunner([&](TypeEditorDialog& editor) {
        editor.SetFilterChooser([&](const std::string&, std::vector<bool>& chosen, QWidget*) {
            offered = chosen;
            chosen = {true, true};
            return true;
        });
        editor.ChooseFilters();
        return Accepted(editor);
    });
    SelectType(page, "Meeting");
    page.ModifyType();
    EXPECT_EQ(offered, (std::vector<bool>{true, false}));
    page.Apply();
    EXPECT_EQ(rig.types_.Filters()[0].typeNames, (std::vector<std::string>{"Phone", "Meeting"}));
    EXPECT_EQ(rig.types_.Filters()[1].typeNames, (std::vector<std::string>{"Birthday", "Meeting"}));
}

// Deleting a type: the question, a types file that cannot be written told to the user, and the
// pending events taking the type indexes of the new list.
TEST(TypesPage, ApplyTellsASaveFailureAndRetypesThePendingEvents) {
    WindowFixture rig;
    ASSERT_EQ(rig.store_.RebuildPending(), LibraryResult::Ok);
    EventRecord meeting = OneTime(At(2026, 12, 7, 15, 0));
    meeting.typeName = "Meeting";
    meeting.SetTypeIndex(rig.types_.FindType("Meeting"));
    const uint16_t key = rig.Put(meeting);
    ASSERT_EQ(rig.store_.Pending().Find(key)->typeIndex, 7);

    rig.context_.saveTypes = [] { return false; };
    TypesPage page(rig.Context(), rig.boxes_);
    SelectType(page, "Call");
    page.DeleteType(); // answered No
    EXPECT_EQ(rig.boxes_.LastText(), Text(IDS_ASK_DELETE_TYPE));
    EXPECT_FALSE(page.Changed());
    rig.boxes_.Answer(BoxAnswer::Yes);
    page.DeleteType();
    ASSERT_TRUE(page.Changed());
    EXPECT_FALSE(page.Apply());
    EXPECT_TRUE(rig.boxes_.LastText().startsWith(Text(IDS_TYPES_FILE_NOT_SAVED)));
    EXPECT_EQ(rig.types_.FindType("Call"), -1);
    EXPECT_EQ(rig.store_.Pending().Find(key)->typeIndex, 6);
}

TEST(TypesPage, TheLastTypeCanBeDeleted) {
    WindowFixture rig;
    TypesPage page(rig.Context(), rig.boxes_);
    for (int i = 0; i < 11; ++i) {
        rig.boxes_.Answer(BoxAnswer::Yes);
        page.DeleteType();
    }
    EXPECT_EQ(page.Work().TypeCount(), 0u);
    EXPECT_TRUE(page.NewButton()->isEnabled());
    EXPECT_FALSE(Child<QPushButton>(page, "modify")->isEnabled());
    EXPECT_FALSE(Child<QPushButton>(page, "delete")->isEnabled());
}

} // namespace
} // namespace zm::testing
