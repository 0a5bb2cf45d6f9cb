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

TEST(FindBar, RefusesAnEmptyTextAndKeepsItsHistoryNewestFirst) {
    WindowFixture rig;
    FindBar bar(rig.Context(), rig.boxes_);
    QSignalSpy asked(&bar, &FindBar::findRequested);
    auto* text = bar.findChild<QComboBox*>("findText");
    auto* findNow = bar.findChild<QPushButton*>("findNow");
    ASSERT_TRUE(text && findNow);

    findNow->click();
    EXPECT_EQ(rig.boxes_.LastText(), QString::fromUtf8(LoadString(IDS_FIND_EMPTY)));
    EXPECT_EQ(asked.count(), 0);

    for (const char* typed : {"dentist", "meet", "call"}) {
        text->setEditText(typed);
        bar.FindNow();
    }
    bar.findChild<QCheckBox*>("matchCase")->setChecked(true);
    text->setEditText("MEET");
    findNow->click();
    ASSERT_EQ(asked.count(), 4);
    EXPECT_EQ(asked.last().at(0).toString(), "MEET"); // as typed
    EXPECT_TRUE(asked.last().at(1).toBool());
    EXPECT_EQ(bar.History(), (QStringList{"call", "meet", "dentist"}));
    EXPECT_EQ(text->currentIndex(), 1); // the entry found without regard to case

    bar.TellNotFound("meet");
    EXPECT_EQ(rig.boxes_.LastText(), "Could not find the string 'meet'.");
}

} // namespace
} // namespace zm::testing
