// The Change Icon dialog over files: every picture of an image file becomes an icon at 16 and
// 32 pixels, and a file without pictures is told to the user.

#include "res/strings.h"
#include "support/answering_boxes.h"
#include "ui/types/change_icon_dialog.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zm {
namespace {

TEST(ChangeIconDialog, ShowsThePicturesOfAFileAndRefusesOneWithout) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QImage picture(48, 40, QImage::Format_ARGB32);
    picture.fill(QColor(200, 10, 10));
    const QString png = folder.filePath(QStringLiteral("red.png"));
    ASSERT_TRUE(picture.save(png));
    const QString notAnIcon = folder.filePath(QStringLiteral("notes.ico"));
    QFile text(notAnIcon);
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("just some text");
    text.close();

    AnsweringBoxes boxes;
    ChangeIconDialog dialog(boxes, folder.path());
    const int sources = dialog.Sources()->count();
    std::vector<QString> asked;
    dialog.SetFileChooser([&](QWidget*, const QString& start) {
        asked.push_back(start);
        return notAnIcon;
    });
    dialog.findChild<QPushButton*>(QStringLiteral("browse"))->click();
    EXPECT_EQ(asked, std::vector<QString>{folder.path()});
    EXPECT_EQ(boxes.LastText(), QString::fromUtf8(LoadString(IDS_ICON_FILE_HAS_NONE))
                                    .replace(QStringLiteral("%s"), QStringLiteral("notes.ico")));
    EXPECT_EQ(dialog.Sources()->count(), sources);

    ASSERT_TRUE(dialog.ShowFile(png));
    EXPECT_EQ(dialog.Sources()->currentText(), png);
    ASSERT_EQ(dialog.Icons()->count(), 1);
    const std::optional<ChosenIcon> chosen = dialog.Chosen();
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->small.width, 16);
    EXPECT_EQ(chosen->large.width, 32);
    EXPECT_EQ(chosen->large.At(16, 16), 0xFFC80A0Au);
    EXPECT_EQ(chosen->large.At(16, 0), 0u); // the picture is wider than high: transparent rows
}

} // namespace
} // namespace zm
