// The find bar: its messages, what it asks to search for, and its history.

#include "res/strings.h"
#include "support/window_fixture.h"
#include "ui/filters/find_bar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace zm::testing {
namespace {

TEST(FindBar, RefusesAnEmptyTextAndKeepsFifteenTextsNewestFirst) {
    WindowFixture rig;
    FindBar bar(rig.Context(), rig.boxes_);
    QSignalSpy asked(&bar, &FindBar::findRequested);
    auto* text = bar.findChild<QComboBox*>("findText");
    auto* findNow = bar.findChild<QPushButton*>("findNow");
    ASSERT_TRUE(text && findNow);

    findNow->click();
    EXPECT_EQ(rig.boxes_.LastText(), QString::fromUtf8(LoadString(IDS_FIND_EMPTY)));
    EXPECT_EQ(asked.count(), 0);

    for (int i = 0; i < 16; ++i) {
        text->setEditText(QStringLiteral("text %1").arg(i));
        bar.FindNow();
    }
    bar.findChild<QCheckBox*>("matchCase")->setChecked(true);
    text->setEditText("TEXT 3");
    findNow->click();
    ASSERT_EQ(asked.count(), 17);
    EXPECT_EQ(asked.last().at(0).toString(), "TEXT 3");
    EXPECT_TRUE(asked.last().at(1).toBool());
    const QStringList history = bar.History();
    ASSERT_EQ(history.size(), 15);
    EXPECT_EQ(history.front(), "text 15");
    EXPECT_EQ(history.back(), "text 1"); // "text 0" has left; "TEXT 3" kept its place
    EXPECT_EQ(text->currentIndex(), 12);
    EXPECT_EQ(text->currentText(), "TEXT 3");

    bar.TellNotFound("meet");
    EXPECT_EQ(rig.boxes_.LastText(), "Could not find the string 'meet'.");
}

} // namespace
} // namespace zm::testing
