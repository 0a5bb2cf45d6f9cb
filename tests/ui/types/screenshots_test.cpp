// Pictures of the types and quick-reminder pages and their dialogs, for a person to look at.

#include "platform/memory_settings.h"
#include "store/quick/quick_starters.h"
#include "support/gui/palettes.h"
#include "support/recording_sound_backend.h"
#include "support/temp_folder.h"
#include "support/widget_lookup.h"
#include "support/window_fixture.h"
#include "ui/sound/setup_sound_dialog.h"
#include "ui/types/change_icon_dialog.h"
#include "ui/types/quick_rems_page.h"
#include "ui/types/type_editor_dialog.h"
#include "ui/types/types_page.h"

#include <QDir>
#include <QPushButton>
#include <fstream>
#include <gtest/gtest.h>

namespace zm::testing {
namespace {

TEST(Screenshots, Types) {
    ASSERT_TRUE(QDir().mkpath(ZM_SCREENSHOT_DIR));
    WindowFixture rig;

    InEachPalette([&](const NamedPalette& palette) {
        TypesPage page(rig.Context(), rig.boxes_);
        page.resize(460, 380);
        page.show();
        SavePicture(page, QStringLiteral("types-page"), palette);

        TypeEditorDialog editor(rig.Context(), rig.boxes_, rig.types_,
                                rig.types_.FindType("Birthday"), TypeEditorDialog::Mode::Edit);
        editor.adjustSize();
        editor.show();
        SavePicture(editor, QStringLiteral("type-editor"), palette);
    });

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

TEST(Screenshots, QuickRemindersOfAFirstStart) {
    InEachPalette([](const NamedPalette& palette) {
        WindowFixture rig;
        rig.quick_ = StarterQuickReminders();
        QuickRemsPage quick(rig.Context(), rig.boxes_);
        quick.resize(420, 300);
        quick.show();
        SavePicture(quick, QStringLiteral("quick-page-first-start"), palette);
    });
}

TEST(Screenshots, SoundDialogWhilePlaying) {
    TempFolder folder;
    const std::string bell = folder.File("complete.oga");
    std::ofstream(bell) << "not played for real";
    InEachPalette([&](const NamedPalette& palette) {
        MemorySettings settings;
        RecordingSoundBackend backend;
        SetupSoundDialog dialog({0x10002, 0x10000, bell}, backend, settings); // the file, repeated
        auto* play = Child<QPushButton>(dialog, "play");
        ASSERT_NE(play, nullptr);
        play->click();
        EXPECT_EQ(play->text(), "&Stop");
        dialog.adjustSize();
        dialog.show();
        SavePicture(dialog, QStringLiteral("setup-sound-playing"), palette);
        play->click();
        EXPECT_EQ(play->text(), "&Play");
    });
}

} // namespace
} // namespace zm::testing
