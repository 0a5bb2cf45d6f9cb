// The quick-reminder page driven through its controls: the limit of 25 entries, the editor's
// checks, and Apply with its save failure and its notice to the menus.

#include "res/strings.h"
#include "support/widget_lookup.h"
#include "support/window_fixture.h"
#include "ui/common/ui_text.h"
#include "ui/types/quick_rems_page.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace zm::testing {
namespace {

bool FillAndAccept(QuickEditorDialog& editor, const QString& menu, const QString& offset) {
    Child<QLineEdit>(editor, "menuName")->setText(menu);
    Child<QComboBox>(editor, "offset")->setEditText(offset);
    editor.accept();
    return editor.result() == QDialog::Accepted;
}

TEST(QuickRemsPage, TheTwentyFifthEntryDisablesNew) {
    WindowFixture rig;
    for (int i = 0; i < 24; ++i) {
        QuickReminder q;
        q.menuName = "Entry " + std::to_string(10 + i);
        rig.quick_.AddWithDefaultIcon(q);
    }
    QuickRemsPage page(rig.Context(), rig.boxes_);
    ASSERT_TRUE(page.NewButton()->isEnabled());
    page.SetEditorRunner([](QuickEditorDialog& editor) {
        EXPECT_EQ(editor.windowTitle(), Text(IDS_QUICK_NEW_CAPTION));
        EXPECT_EQ(Child<QComboBox>(editor, "type")->currentText(), QStringLiteral("Alarm"));
        return FillAndAccept(editor, QStringLiteral(" A cup of tea "), QStringLiteral("3 min"));
    });
    page.NewEntry();
    ASSERT_EQ(page.Work().Count(), 25u);
    EXPECT_EQ(page.Work().Entries()[0].menuName, "A cup of tea");
    EXPECT_EQ(page.Work().Entries()[0].offset, TimeAmount::Of(AmountUnit::Minute, 3));
    EXPECT_EQ(page.List()->currentRow(), 0);
    EXPECT_FALSE(page.NewButton()->isEnabled());
    page.NewEntry();
    EXPECT_EQ(rig.boxes_.beeps, 1);

    rig.boxes_.Answer(BoxAnswer::Yes);
    page.DeleteEntry();
    EXPECT_EQ(rig.boxes_.LastText(), Text(IDS_ASK_DELETE_QUICK));
    EXPECT_EQ(page.Work().Count(), 24u);
    EXPECT_TRUE(page.NewButton()->isEnabled());
}

TEST(QuickRemsPage, TheEditorRefusesAnEmptyNameThenABadAmount) {
    WindowFixture rig;
    QuickRemsPage page(rig.Context(), rig.boxes_);
    EXPECT_FALSE(page.ModifyButton()->isEnabled());
    EXPECT_FALSE(page.DeleteButton()->isEnabled());
    std::vector<QString> told;
    page.SetEditorRunner([&](QuickEditorDialog& editor) {
        EXPECT_FALSE(FillAndAccept(editor, QStringLiteral("  "), QStringLiteral("5")));
        told.push_back(rig.boxes_.LastText());
        EXPECT_FALSE(FillAndAccept(editor, QStringLiteral("Tea"), QStringLiteral("later")));
        told.push_back(rig.boxes_.LastText());
        EXPECT_EQ(editor.focusWidget(), Child<QComboBox>(editor, "offset"));
        return false;
    });
    page.NewEntry();
    EXPECT_EQ(told, (std::vector<QString>{Text(IDS_QUICK_MENU_NAME_EMPTY),
                                          Text(IDS_DURATION_NOT_VALID)}));
    EXPECT_FALSE(page.Changed());
}

TEST(QuickRemsPage, ApplySavesTellsAFailureAndNoticesTheMenus) {
    WindowFixture rig;
    QuickRemsPage page(rig.Context(), rig.boxes_);
    QSignalSpy applied(&page, &QuickRemsPage::quickRemindersApplied);
    page.SetEditorRunner([](QuickEditorDialog& editor) {
        return FillAndAccept(editor, QStringLiteral("Tea"), QStringLiteral("15 minutes"));
    });
    page.NewEntry();
    EXPECT_TRUE(page.Apply());
    EXPECT_TRUE(rig.quickSaved_);
    EXPECT_EQ(rig.quick_.Count(), 1u);
    EXPECT_EQ(applied.count(), 1);

    rig.context_.saveQuick = [] { return false; };
    page.NewEntry();
    EXPECT_FALSE(page.Apply());
    EXPECT_TRUE(rig.boxes_.LastText().startsWith(Text(IDS_QUICK_FILE_NOT_SAVED)));
    EXPECT_EQ(rig.quick_.Count(), 2u);
    EXPECT_EQ(applied.count(), 2);
}

} // namespace
} // namespace zm::testing
