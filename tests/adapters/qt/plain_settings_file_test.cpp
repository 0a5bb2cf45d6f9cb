// The companion reads the settings file without Qt: what it reads must be what QSettings reads.
// (QSettings keeps a file it wrote in memory, so the hand-written file is what makes it read.)

#include "adapters/plain/ini_text.h"
#include "adapters/plain/settings_file.h"
#include "adapters/qt/qt_settings.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zm {
namespace {

std::string ReadAll(const QString& path) {
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return f.readAll().toStdString();
}

// Every key QSettings finds in the file, read plainly, has QSettings' value, and no other key
// is found.
void ExpectSameAsQSettings(const QString& path) {
    const QSettings native(path, QSettings::IniFormat);
    const auto plain = ParseIniSettings(ReadAll(path));
    const FileSettings settings({path.toStdString()}, nullptr);
    const QStringList keys = native.allKeys();
    EXPECT_EQ(plain.size(), static_cast<std::size_t>(keys.size()));
    for (const QString& key : keys) {
        EXPECT_EQ(settings.Read(key.toStdString()), native.value(key).toString().toStdString())
            << key.toStdString();
    }
}

TEST(PlainSettingsFile, ReadsOddValuesAndKeysAsQtWroteThem) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Zantimore Pro.conf");
    const std::pair<const char*, std::string> written[] = {
        {"top", "1"},
        {"Calendar/Name", " leading and trailing "},
        {"Calendar/Quotes", "\"q\" \\ back; semi, comma = equals # hash"},
        {"Calendar/Controls", "tab\tnl\ncr\r\x01"
                              "9f bell\a"},
        {"Calendar/Null", std::string("a\0"
                                      "1b",
                                      4)},
        {"Calendar/At", "@home"},
        {"Calendar/AtAt", "@@String(x)"},
        {"Calendar/Looks like bytes", "@ByteArray(x)"},
        {"Calendar/Empty", ""},
        {"Calendar/Text", "\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80 \xE6\x97\xA5"},
        {"Sec tion/K\xC3\xA9y \xE2\x82\xAC/sub", "v"},
        {"General/x", "g"},
        {"[Odd]/=key;", "[v]"},
    };
    {
        QtSettings settings(path);
        for (const auto& [key, value] : written)
            settings.Write(key, value);
        ASSERT_TRUE(settings.Sync());
    }
    ExpectSameAsQSettings(path);
    const FileSettings settings({path.toStdString()}, nullptr);
    for (const auto& [key, value] : written)
        EXPECT_EQ(settings.Read(key), value) << key;
}

TEST(PlainSettingsFile, ReadsHandWrittenFilesAsQtDoes) {
    QTemporaryDir dir;
    const QString path = dir.filePath("hand.conf");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("; comment\r\n"
            "top = spaced  \r\n"
            "[Calendar]\n"
            "WorkWeek=31 ; comment\n"
            "Quoted=\"a, b\"  \n"
            "List=a, b\n"
            "Continued=one\\\ntwo\n"
            "Escapes=\\x41\\101\\q\\\"\n"
            "Bytes=@ByteArray(\\xc3\\xa9)\n"
            "Invalid=@Invalid()\n"
            "[General]\n"
            "late=x\n"
            "[Calendar]\n"
            "WorkWeek=62\n");
    f.close();
    ExpectSameAsQSettings(path);
}

} // namespace
} // namespace zm
