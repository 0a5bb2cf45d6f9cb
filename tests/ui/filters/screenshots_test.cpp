// Pictures of the filter dialogs and the find bar, for a person to look at.

#include "support/widget_lookup.h"
#include "support/window_fixture.h"
#include "ui/filters/choose_filters_dialog.h"
#include "ui/filters/define_filters_dialog.h"
#include "ui/filters/edit_filter_dialog.h"
#include "ui/filters/find_bar.h"

#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <gtest/gtest.h>

namespace zm::testing {
namespace {

TEST(Screenshots, Filters) {
    ASSERT_TRUE(QDir().mkpath(ZM_SCREENSHOT_DIR));
    WindowFixture rig;
    rig.types_.Filters() = {{1, "Family", {"Anniversary", "Birthday"}},
                            {0, "Work & calls", {"Appointment", "Call", "Meeting"}}};
    rig.types_.SelectFilter("Family");

    DefineFiltersDialog define(rig.Context(), rig.boxes_);
    SaveScreenshot(define, "define-filters.png");

    EditFilterDialog edit(rig.types_.Types(), rig.types_.Filters(), 1, rig.boxes_);
    SaveScreenshot(edit, "edit-filter.png");

    ChooseFiltersDialog choose(rig.types_.Filters(), {true, false});
    SaveScreenshot(choose, "choose-filters.png");

    FindBar bar(rig.Context(), rig.boxes_);
    for (const char* text : {"dentist", "meet"}) {
        bar.findChild<QComboBox*>("findText")->setEditText(text);
        bar.FindNow();
    }
    bar.resize(560, bar.sizeHint().height());
    bar.show();
    EXPECT_TRUE(bar.grab().save(QDir(ZM_SCREENSHOT_DIR).filePath("find-bar.png")));
}

} // namespace
} // namespace zm::testing
