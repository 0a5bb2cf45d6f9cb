// Pictures of the types and quick-reminder pages and their dialogs, for a person to look at.

#include "support/widget_lookup.h"
#include "support/window_fixture.h"
#include "ui/types/change_icon_dialog.h"
#include "ui/types/quick_rems_page.h"
#include "ui/types/type_editor_dialog.h"
#include "ui/types/types_page.h"

#include <QDir>
#include <gtest/gtest.h>

namespace zm::testing {
namespace {

TEST(Screenshots, Types) {
    ASSERT_TRUE(QDir().mkpath(ZM_SCREENSHOT_DIR));
    WindowFixture rig;

    TypesPage page(rig.Context(), rig.boxes_);
    page.resize(460, 380);
    page.show();
    EXPECT_TRUE(page.grab().save(QDir(ZM_SCREENSHOT_DIR).filePath("types-page.png")));

    TypeEditorDialog editor(rig.Context(), rig.boxes_, rig.types_, rig.types_.FindType("Birthday"),
                            TypeEditorDialog::Mode::Edit);
    SaveScreenshot(editor, "type-editor.png");

    ChangeIconDialog icons(rig.boxes_, QDir::tempPath());
    SaveScreenshot(icons, "change-icon.png");

    for (const char* name : {"Tea", "Call back", "Parking meter"}) {
        QuickReminder q;
        q.menuName = name;
        q.typeName = "Call";
        rig.quick_.AddWithDefaultIcon(q);
    }
    rig.quick_.SortByMenuName();
    QuickRemsPage quick(rig.Context(), rig.boxes_);
    quick.resize(420, 300);
    quick.show();
    EXPECT_TRUE(quick.grab().save(QDir(ZM_SCREENSHOT_DIR).filePath("quick-page.png")));
}

} // namespace
} // namespace zm::testing
