// Every control of the types and quick-reminder pages and their dialogs has a name a screen
// reader can read; the "<>" choosers say in words and a tooltip what they choose.

#include "support/nameless_controls.h"
#include "support/window_fixture.h"
#include "ui/types/change_icon_dialog.h"
#include "ui/types/quick_editor_dialog.h"
#include "ui/types/quick_rems_page.h"
#include "ui/types/type_editor_dialog.h"
#include "ui/types/types_page.h"

#include <QDir>
#include <gtest/gtest.h>

namespace zm::testing {
namespace {

TEST(ControlNames, TypesPageAndTypeEditorInEachMode) {
    WindowFixture rig;
    TypesPage page(rig.Context(), rig.boxes_);
    EXPECT_EQ(NamelessControls(page), "");
    using Mode = TypeEditorDialog::Mode;
    for (Mode mode : {Mode::New, Mode::Edit, Mode::Undefined}) {
        TypeEditorDialog editor(rig.Context(), rig.boxes_, rig.types_,
                                rig.types_.FindType("Birthday"), mode);
        EXPECT_EQ(NamelessControls(editor), "") << static_cast<int>(mode);
    }
}

TEST(ControlNames, QuickRemsPageQuickEditorAndChangeIcon) {
    WindowFixture rig;
    QuickRemsPage page(rig.Context(), rig.boxes_);
    EXPECT_EQ(NamelessControls(page), "");
    QuickReminder entry;
    entry.menuName = "Tea";
    entry.typeName = "Call";
    QuickEditorDialog editor(rig.Context(), rig.boxes_, entry, IconImage{}, true);
    EXPECT_EQ(NamelessControls(editor), "");
    ChangeIconDialog icons(rig.boxes_, QDir::tempPath());
    EXPECT_EQ(NamelessControls(icons), "");
}

} // namespace
} // namespace zm::testing
