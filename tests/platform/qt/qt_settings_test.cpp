#include "platform/qt/qt_settings.h"
#include "platform/setting_table.h"

#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zm {
namespace {

TEST(QtSettings, ReadsWhatTheProgramStoresWithQtsOwnTypes) {
    QTemporaryDir dir;
    const QString path = dir.filePath("settings.ini");
    {
        QSettings native(path, QSettings::IniFormat);
        native.setValue("Calendar/WorkWeek", 31);
        native.setValue("Calendar/CheckWeekendEvents", true);
    }
    const QtSettings settings(path);
    EXPECT_EQ(ReadInt(settings, SettingId::WorkWeek), 31);
    EXPECT_TRUE(ReadBool(settings, SettingId::CheckWeekendEvents));
    EXPECT_EQ(settings.Read("LastImpDateF"), std::nullopt);
    EXPECT_EQ(ReadInt(settings, SettingId::ImportDateOrder), 0);
}

TEST(QtSettings, WritesReadBackInAnotherInstance) {
    QTemporaryDir dir;
    const QString path = dir.filePath("settings.ini");
    {
        QtSettings settings(path);
        WriteInt(settings, SettingId::WorkWeek, 0x41);
        WriteBool(settings, SettingId::CheckWeekendEvents, true);
        settings.Write("Other/Text", "caf\xC3\xA9, with a comma");
    }
    const QtSettings again(path);
    EXPECT_EQ(ReadInt(again, SettingId::WorkWeek), 0x41);
    EXPECT_TRUE(ReadBool(again, SettingId::CheckWeekendEvents));
    EXPECT_EQ(again.Read("Other/Text"), "caf\xC3\xA9, with a comma");
}

} // namespace
} // namespace zm
