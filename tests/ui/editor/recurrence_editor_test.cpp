// The recurrence editor driven through its real widgets; and the pictures of both editors.

#include "res/format_text.h"
#include "res/strings.h"
#include "support/event_builders.h"
#include "support/gui/palettes.h"
#include "support/modal_steps.h"
#include "support/window_fixture.h"
#include "ui/editor/event_editor.h"
#include "ui/editor/event_editor_dialog.h"
#include "ui/editor/recurrence_editor.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace zm::testing {
namespace {

template <typename W> W* Field(const QWidget& dialog, const QString& name) {
    W* w = dialog.findChild<W*>(name);
    EXPECT_NE(w, nullptr) << name.toStdString();
    return w;
}

EditorRequest Request(EventRecord event) {
    EditorRequest request;
    request.event = std::move(event);
    return request;
}

void Type(QLineEdit* field, const char* text) {
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, QString::fromLatin1(text));
}

TEST(RecurrenceEditor, RemoveRecurrenceClosesWithoutRebuildingThePattern) {
    WindowFixture rig;
    EventRecord event = Recurring(kFormByDate | kKindDaily, 1, At(2026, 12, 8, 9, 0));
    event.SetFlag(kAge, true);
    RecurrenceEditor editor(rig.Context(), rig.boxes_, event);
    QTest::mouseClick(Field<QRadioButton>(editor, "weekly"), Qt::LeftButton);
    QTest::mouseClick(Field<QPushButton>(editor, "remove"), Qt::LeftButton);
    EXPECT_EQ(editor.result(), QDialog::Accepted);
    EXPECT_FALSE(editor.Record().IsRecurring());
    EXPECT_EQ(editor.Record().pattern, 0u);
    EXPECT_FALSE(editor.Record().Has(kAge));
    EXPECT_EQ(editor.Record().start, At(2026, 12, 8, 9, 0));

    // Nothing to remove from a one-time event.
    RecurrenceEditor fresh(rig.Context(), rig.boxes_, OneTime(At(2026, 12, 8, 9, 0)));
    EXPECT_FALSE(Field<QPushButton>(fresh, "remove")->isEnabled());
}

TEST(RecurrenceEditor, DayAbove28AsksFirstAndCancelKeepsItOpen) {
    WindowFixture rig;
    RecurrenceEditor editor(rig.Context(), rig.boxes_, OneTime(At(2026, 12, 8, 9, 0)));
    QTest::mouseClick(Field<QRadioButton>(editor, "monthly"), Qt::LeftButton);
    QTest::mouseClick(Field<QRadioButton>(editor, "monthByDay"), Qt::LeftButton);
    Type(Field<QLineEdit>(editor, "monthDay"), "31");
    const QString question = QString::fromStdString(FormatText(IDS_DAY_BEYOND_SHORT_MONTHS, {31}));

    rig.boxes_.Answer(BoxAnswer::No);
    editor.accept();
    EXPECT_EQ(rig.boxes_.LastText(), question);
    EXPECT_NE(editor.result(), QDialog::Accepted);

    rig.boxes_.Answer(BoxAnswer::Yes);
    editor.accept();
    ASSERT_EQ(editor.result(), QDialog::Accepted);
    EXPECT_EQ(editor.Record().pattern, uint32_t{kFormByDate | kKindMonthly});
    EXPECT_EQ(editor.Record().patternParam, PatternParamOf(31, 1));
    EXPECT_EQ(editor.Record().start, At(2026, 12, 31, 9, 0));
}

TEST(RecurrenceEditor, RefusalsNameTheirFieldAndMessage) {
    struct Case {
        const char* kind;
        const char* field;
        const char* text;
        int message;
    };
    const Case cases[] = {
        {"daily", "dailyInterval", "0", IDS_PATTERN_NOT_VALID},
        {"weekly", "weeklyInterval", "", IDS_PATTERN_NOT_VALID},
        {"yearly", "yearDay", "30", IDS_PATTERN_NOT_VALID}, // the start's month is February
    };
    for (const Case& c : cases) {
        WindowFixture rig;
        RecurrenceEditor editor(rig.Context(), rig.boxes_, OneTime(At(2026, 2, 8, 9, 0)));
        editor.show();
        QTest::mouseClick(Field<QRadioButton>(editor, c.kind), Qt::LeftButton);
        auto* field = Field<QLineEdit>(editor, c.field);
        Type(field, c.text);
        editor.accept();
        EXPECT_EQ(rig.boxes_.LastText(), QString::fromUtf8(LoadString(c.message))) << c.field;
        EXPECT_EQ(editor.focusWidget(), field) << c.field;
    }
    // An end before the start.
    WindowFixture rig;
    RecurrenceEditor editor(rig.Context(), rig.boxes_, OneTime(At(2026, 2, 8, 9, 0)));
    QTest::mouseClick(Field<QRadioButton>(editor, "endsOn"), Qt::LeftButton);
    Field<QDateEdit>(editor, "end")->setDate(QDate(2026, 2, 1));
    editor.accept();
    EXPECT_EQ(rig.boxes_.LastText(), QString::fromUtf8(LoadString(IDS_END_BEFORE_START)));
}

TEST(RecurrenceEditor, WeekdayBoxesStartAtTheFirstDayOfTheWeek) {
    WindowFixture rig;
    rig.options_.firstDayOfWeek = 6;                                                    // Sunday
    RecurrenceEditor editor(rig.Context(), rig.boxes_, OneTime(At(2026, 12, 7, 9, 0))); // Monday
    EXPECT_EQ(Field<QCheckBox>(editor, "weekday0")->text(), QStringLiteral("Sunday"));
    EXPECT_EQ(Field<QCheckBox>(editor, "weekday6")->text(), QStringLiteral("Saturday"));
    EXPECT_TRUE(Field<QCheckBox>(editor, "weekday1")->isChecked());
    EXPECT_TRUE(Field<QRadioButton>(editor, "weekly")->isChecked());
}

TEST(RecurrenceEditor, ListsTheNextFiveOccurrencesAsTheFieldsChange) {
    WindowFixture rig; // 7 December 2026, 9:30
    EventRecord event = OneTime(At(2026, 12, 7, 10, 0), 15);
    RecurrenceEditor editor(rig.Context(), rig.boxes_, event);
    auto* list = Field<QListWidget>(editor, "upcoming");
    QTest::mouseClick(Field<QRadioButton>(editor, "daily"), Qt::LeftButton);
    Type(Field<QLineEdit>(editor, "dailyInterval"), "2");
    ASSERT_EQ(list->count(), 5);
    const auto entry = [&](DateTime o) {
        return QString::fromStdString(
            FormatText(IDS_RECUR_NEXT_ENTRY,
                       {rig.formats_.FormatDayDateTime(o, false),
                        rig.formats_.FormatDayDateTime(o - DateTimeSpan::Minutes(15), false)}));
    };
    EXPECT_EQ(list->item(0)->text(), entry(At(2026, 12, 7, 10, 0)));
    EXPECT_EQ(list->item(1)->text(), entry(At(2026, 12, 9, 10, 0)));
    Type(Field<QLineEdit>(editor, "dailyInterval"), "");
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->item(0)->text(), QString::fromUtf8(LoadString(IDS_RECUR_NEXT_NONE)));
}

// A screen reader toggles a check box or radio button through its accessible action; the editor
// must act on it as on a click.
TEST(RecurrenceEditor, AScreenReadersToggleActsAsAClick) {
    WindowFixture rig; // 7 December 2026, 9:30, a Monday
    RecurrenceEditor editor(rig.Context(), rig.boxes_, OneTime(At(2026, 12, 7, 10, 0), 15));
    auto* list = Field<QListWidget>(editor, "upcoming");
    const auto toggle = [&](const char* name) {
        QAccessibleInterface* button = QAccessible::queryAccessibleInterface(
            Field<QAbstractButton>(editor, QString::fromLatin1(name)));
        ASSERT_NE(button->actionInterface(), nullptr);
        button->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    };
    toggle("daily");
    ASSERT_EQ(list->count(), 5);
    toggle("weekly");
    const QString mondays = list->item(1)->text();
    toggle("weekday3"); // and Wednesdays
    ASSERT_EQ(list->count(), 5);
    EXPECT_NE(list->item(1)->text(), mondays);
}

TEST(RecurrenceEditor, ListsTheOccurrencesStillToComeFromNow) {
    WindowFixture rig(At(2026, 12, 7, 23, 1));
    RecurrenceEditor editor(rig.Context(), rig.boxes_,
                            Recurring(kDaily, 1, At(2026, 12, 1, 8, 0), 15));
    auto* list = Field<QListWidget>(editor, "upcoming");
    ASSERT_EQ(list->count(), 5);
    EXPECT_EQ(list->item(0)->text(),
              QString::fromStdString(
                  FormatText(IDS_RECUR_NEXT_ENTRY,
                             {rig.formats_.FormatDayDateTime(At(2026, 12, 8, 8, 0), false),
                              rig.formats_.FormatDayDateTime(At(2026, 12, 8, 7, 45), false)})));
}

TEST(RecurrenceEditor, PatternFieldsFollowAChangedStartAndOkKeepsIt) {
    WindowFixture rig;
    const auto firstEntry = [&](QListWidget* list) {
        return list->count() > 0 ? list->item(0)->text().toStdString() : std::string();
    };
    struct Case {
        uint32_t pattern;
        uint32_t param;
        QDate moved;
        const char* field; // a field that shows the new day
        QString shows;
    } const cases[] = {
        {kYearlyDate, 1, QDate(2027, 3, 3), "yearMonth", QStringLiteral("March")},
        {kYearlyDate, 1, QDate(2027, 3, 3), "yearDay", QStringLiteral("3")},
        {kMonthlyDay, MonthlyParam(7, 1), QDate(2026, 12, 20), "monthDay", QStringLiteral("20")},
        {kWeekly | kMonday, 1, QDate(2026, 12, 10), "weekday3", QString()}, // Thursday's box
    };
    for (const Case& c : cases) {
        RecurrenceEditor editor(rig.Context(), rig.boxes_,
                                Recurring(c.pattern, c.param, At(2026, 12, 7, 10, 0)));
        auto* start = Field<QDateEdit>(editor, "start");
        auto* list = Field<QListWidget>(editor, "upcoming");
        start->setFocus();
        start->setDate(c.moved);
        QWidget* field = Field<QWidget>(editor, QString::fromLatin1(c.field));
        if (auto* line = qobject_cast<QLineEdit*>(field)) {
            EXPECT_EQ(line->text(), c.shows);
        }
        if (auto* combo = qobject_cast<QComboBox*>(field)) {
            EXPECT_EQ(combo->currentText(), c.shows);
        }
        if (auto* box = qobject_cast<QCheckBox*>(field)) {
            EXPECT_TRUE(box->isChecked());
            EXPECT_FALSE(Field<QCheckBox>(editor, "weekday0")->isChecked()); // Monday's
        }
        const DateTime moved = At(c.moved.year(), c.moved.month(), c.moved.day(), 10, 0);
        EXPECT_EQ(firstEntry(list),
                  FormatText(IDS_RECUR_NEXT_ENTRY, {rig.formats_.FormatDayDateTime(moved, false),
                                                    rig.formats_.FormatDayDateTime(moved, false)}));
        editor.accept();
        ASSERT_EQ(editor.result(), QDialog::Accepted) << c.field;
        EXPECT_EQ(editor.Record().start, moved) << c.field;
        EXPECT_EQ(editor.Record().Kind(), Recurring(c.pattern, c.param, moved).Kind());
    }
}

TEST(EventEditor, ScheduleTakesTheRecurrenceEditorsPattern) {
    WindowFixture rig;
    EventEditorDialog dialog(rig.Context(), rig.boxes_,
                             Request(NewEventFor(rig.Context(), -1, rig.now_)));
    // Every week on the start's weekday.
    WhenShown<RecurrenceEditor>([](RecurrenceEditor& recurrence) { recurrence.accept(); });
    dialog.Schedule();
    EXPECT_TRUE(dialog.Record().IsRecurring());
    EXPECT_FALSE(dialog.findChild<QWidget*>(QStringLiteral("date"))->isEnabled());
}

void Save(QWidget& window, const QString& file) {
    QDir().mkpath(QStringLiteral(ZM_SCREENSHOT_DIR));
    window.adjustSize();
    EXPECT_TRUE(window.grab().save(QStringLiteral(ZM_SCREENSHOT_DIR "/") + file));
}

TEST(Screenshots, Editors) {
    WindowFixture rig;
    EventRecord event = NewEventFor(rig.Context(), rig.types_.FindType("Meeting"), rig.now_);
    event.name = "Project review";
    event.notes = "Room 4, bring the figures of the third quarter.";
    event.SetPattern(kFormByDate | kKindWeekly | kMonday | kThursday, 2);
    EventEditorDialog editor(rig.Context(), rig.boxes_, Request(event));
    Save(editor, QStringLiteral("event-editor.png"));
    InEachPalette([&](const NamedPalette& palette) {
        EventEditorDialog fresh(rig.Context(), rig.boxes_,
                                Request(NewEventFor(rig.Context(), -1, rig.now_)));
        fresh.adjustSize();
        SavePicture(fresh, QStringLiteral("event-editor-new"), palette);
    });

    RecurrenceEditor recurrence(rig.Context(), rig.boxes_, event);
    Save(recurrence, QStringLiteral("recurrence-editor.png"));
    for (const char* kind : {"daily", "monthly", "yearly"}) {
        QTest::mouseClick(Field<QRadioButton>(recurrence, QString::fromLatin1(kind)),
                          Qt::LeftButton);
        Save(recurrence, QStringLiteral("recurrence-editor-%1.png").arg(QLatin1String(kind)));
    }
}

} // namespace
} // namespace zm::testing
