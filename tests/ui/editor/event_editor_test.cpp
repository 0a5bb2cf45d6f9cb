// The event editor driven through its real widgets, over a store in memory; the names of the
// controls of both editors.

#include "adapters/qt/qt_locale_description.h"
#include "res/format_text.h"
#include "res/strings.h"
#include "support/event_builders.h"
#include "support/modal_steps.h"
#include "support/nameless_controls.h"
#include "support/window_fixture.h"
#include "ui/calendar/date_field.h"
#include "ui/editor/amount_box.h"
#include "ui/editor/event_editor.h"
#include "ui/editor/event_editor_dialog.h"
#include "ui/editor/recurrence_editor.h"
#include "ui/editor/time_field.h"
#include "ui/reminder/reminder_window.h"
#include "ui/reminder/reminder_window_set.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimeEdit>
#include <QWindow>
#include <gtest/gtest.h>

namespace zm::testing {
namespace {

QString Text(int id) {
    return QString::fromUtf8(LoadString(id));
}

template <typename W> W* Field(const QWidget& dialog, const char* name) {
    W* w = dialog.findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

EditorRequest Request(EventRecord event) {
    EditorRequest request;
    request.isNew = event.key == 0;
    request.event = std::move(event);
    return request;
}

void TypeInto(QComboBox* box, const QString& text) {
    box->lineEdit()->selectAll();
    QTest::keyClicks(box->lineEdit(), text);
}

TEST(EventEditor, EveryControlHasANameWithEitherTimePicker) {
    for (bool picker : {false, true}) {
        WindowFixture rig;
        rig.options_.newTimePicker = picker;
        EventEditorDialog dialog(rig.Context(), rig.boxes_,
                                 Request(NewEventFor(rig.Context(), -1, rig.now_)));
        EXPECT_EQ(NamelessControls(dialog), "") << "time picker " << picker;
    }
}

TEST(RecurrenceEditor, EveryControlOfEveryPatternHasANameWithEitherTimePicker) {
    for (bool picker : {false, true}) {
        WindowFixture rig;
        rig.options_.newTimePicker = picker;
        RecurrenceEditor editor(rig.Context(), rig.boxes_, OneTime(At(2026, 12, 8, 9, 0)));
        EXPECT_EQ(NamelessControls(editor), "") << "time picker " << picker;
    }
}

TEST(EventEditor, PlusTwoHoursAtHalfPastElevenMovesToTheNextDay) {
    WindowFixture rig(At(2026, 12, 7, 23, 30));
    rig.options_.newTimePicker = false;
    EventEditorDialog dialog(rig.Context(), rig.boxes_,
                             Request(NewEventFor(rig.Context(), -1, rig.now_)));
    auto* list = Field<QComboBox>(dialog, "timeList");
    TypeInto(list, QStringLiteral("+2 hours"));
    QTest::keyClick(list->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(Field<DateField>(dialog, "date")->date(), QDate(2026, 12, 8));
    dialog.accept();
    ASSERT_TRUE(dialog.Stored()) << rig.boxes_.LastText().toStdString();
    EXPECT_EQ(dialog.Record().start, At(2026, 12, 8, 1, 30));
}

TEST(EventEditor, OpeningTheTimeListMarksTheLastHalfHourNotLater) {
    WindowFixture rig; // 9:30
    rig.options_.newTimePicker = false;
    EventEditorDialog dialog(rig.Context(), rig.boxes_,
                             Request(NewEventFor(rig.Context(), -1, rig.now_)));
    auto* list = Field<QComboBox>(dialog, "timeList");
    ASSERT_EQ(list->count(), 48);
    TypeInto(list, QStringLiteral("2:59 pm"));
    list->showPopup();
    EXPECT_EQ(list->view()->currentIndex().row(), 29); // 14:30
    list->hidePopup();
    TypeInto(list, QStringLiteral("soon"));
    list->showPopup();
    EXPECT_EQ(list->view()->currentIndex().row(), 19); // now
    list->hidePopup();
}

TEST(EventEditor, TimePickerShowsTheDayHalfWithTheToolkitsLetters) {
    WindowFixture rig;
    EventEditorDialog dialog(rig.Context(), rig.boxes_,
                             Request(NewEventFor(rig.Context(), -1, rig.now_)));
    auto* picker = Field<QTimeEdit>(dialog, "timePicker");
    EXPECT_TRUE(picker->displayFormat().endsWith(QStringLiteral("AP")));
    EXPECT_TRUE(picker->text().endsWith(QStringLiteral("AM"))) << picker->text().toStdString();
    // No reminder windows to preview with.
    EXPECT_FALSE(Field<QWidget>(dialog, "preview")->isEnabled());
}

// Keys as a keyboard sends them: Shift goes down and up around ":" and capitals.
void TypeAsOnAKeyboard(QWidget* widget, const char* keys) {
    for (const char* k = keys; *k; ++k) {
        const bool shifted = *k == ':' || (*k >= 'A' && *k <= 'Z');
        if (shifted) QTest::keyPress(widget, Qt::Key_Shift, Qt::ShiftModifier);
        QTest::keyClick(widget, *k, shifted ? Qt::ShiftModifier : Qt::NoModifier);
        if (shifted) QTest::keyRelease(widget, Qt::Key_Shift);
    }
}

TEST(EventEditor, ATimeTypedOverTheWholePickerIsReadAsOneTime) {
    struct Case {
        const char* locale;
        const char* keys;
    } const cases[] = {
        {"C", "21:30"},     {"de_DE", "21:30"}, {"en_US", "9:30 PM"},
        {"en_US", "21:30"}, {"de_DE", "2130"},
    };
    for (const Case& c : cases) {
        WindowFixture rig; // 9:30
        rig.formats_ =
            BuildLocaleFormats(QtLocaleDescription(QLocale(QString::fromLatin1(c.locale))));
        EventEditorDialog dialog(rig.Context(), rig.boxes_,
                                 Request(NewEventFor(rig.Context(), -1, rig.now_)));
        dialog.show();
        auto* picker = Field<QTimeEdit>(dialog, "timePicker");
        picker->setFocus();
        QTest::keyClick(picker, Qt::Key_A, Qt::ControlModifier);
        TypeAsOnAKeyboard(picker, c.keys);
        EXPECT_EQ(picker->time(), QTime(21, 30))
            << c.locale << " " << c.keys << ": " << picker->text().toStdString();
        dialog.accept();
        ASSERT_TRUE(dialog.Stored()) << rig.boxes_.LastText().toStdString();
        EXPECT_EQ(dialog.Record().start, At(2026, 12, 7, 21, 30)) << c.locale;
    }
    // A field selected alone still takes the keys field by field.
    WindowFixture rig;
    EventEditorDialog dialog(rig.Context(), rig.boxes_,
                             Request(NewEventFor(rig.Context(), -1, rig.now_)));
    dialog.show();
    auto* picker = Field<QTimeEdit>(dialog, "timePicker");
    picker->setFocus();
    picker->setSelectedSection(QDateTimeEdit::MinuteSection);
    QTest::keyClicks(picker, QStringLiteral("45"));
    EXPECT_EQ(picker->time(), QTime(9, 45));
}

TEST(EventEditor, PastStartAsksWhetherToAcceptAndNoKeepsTheDialogOpen) {
    WindowFixture rig; // 9:30
    EventRecord event = NewEventFor(rig.Context(), -1, rig.now_);
    event.start = At(2026, 12, 7, 8, 0);
    EventEditorDialog dialog(rig.Context(), rig.boxes_, Request(event));
    dialog.show();
    rig.boxes_.Answer(BoxAnswer::No);
    dialog.accept();
    EXPECT_EQ(rig.boxes_.LastText(), Text(IDS_ASK_ACCEPT_PASSED));
    EXPECT_FALSE(dialog.Stored());
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.focusWidget(), Field<QWidget>(dialog, "remind"));

    rig.boxes_.Answer(BoxAnswer::Yes);
    dialog.accept();
    ASSERT_TRUE(dialog.Stored());
    EXPECT_TRUE(dialog.Record().Has(kAccepted));
    EXPECT_EQ(rig.store_.Library().CountEvents(), 1);
}

TEST(EventEditor, OnlyTheUsersEditsClearTheAcceptedBox) {
    WindowFixture rig;
    EventRecord event = OneTime(At(2026, 12, 6, 8, 0));
    event.name = "Dentist";
    event.SetFlag(kAccepted, true);
    event.key = rig.Put(event);
    EventEditorDialog dialog(rig.Context(), rig.boxes_, Request(event));
    auto* accepted = Field<QCheckBox>(dialog, "accepted");
    // Filling the fields is no edit.
    EXPECT_FALSE(accepted->isHidden());
    EXPECT_TRUE(accepted->isChecked());
    EXPECT_EQ(rig.boxes_.beeps, 0);

    QTest::keyClicks(Field<QPlainTextEdit>(dialog, "notes"), QStringLiteral("bring the card"));
    EXPECT_FALSE(accepted->isChecked());
    EXPECT_EQ(rig.boxes_.beeps, 1);
    // Saving re-arms the reminder, whose time has passed.
    rig.boxes_.Answer(BoxAnswer::Yes);
    dialog.accept();
    EXPECT_EQ(rig.boxes_.LastText(), Text(IDS_ASK_ACCEPT_PASSED));
    ASSERT_TRUE(dialog.Stored());
    EXPECT_EQ(dialog.Record().notes, "bring the card");
}

TEST(EventEditor, EditingTheNameKeepsTheReminderState) {
    WindowFixture rig;
    EventRecord event = Recurring(kFormByDate | kKindDaily, 1, At(2026, 12, 1, 8, 0, 20));
    event.StampShown(At(2026, 12, 7, 8, 0));
    event.SetSnooze(At(2026, 12, 7, 10, 0), AmountUnit::Minute, 30);
    event.key = rig.Put(event);
    EventEditorDialog dialog(rig.Context(), rig.boxes_, Request(event));
    QTest::keyClicks(Field<QLineEdit>(dialog, "name"), QStringLiteral("Walk"));
    dialog.accept();
    ASSERT_TRUE(dialog.Stored());
    EXPECT_EQ(dialog.Record().start, event.start);
    EXPECT_TRUE(dialog.Record().Has(kSnoozed));
    EXPECT_EQ(dialog.Record().lastShown, event.lastShown);
}

TEST(EventEditor, ANewEventWithAnAdvanceNoticeIsStoredWithoutAQuestion) {
    for (const DateTime now : {At(2026, 12, 7, 9, 30), At(2026, 12, 7, 9, 41, 30)}) {
        for (const char* type : {"Call", "Appointment", "Meeting", "Payment"}) {
            WindowFixture rig(now);
            EventEditorDialog dialog(
                rig.Context(), rig.boxes_,
                Request(NewEventFor(rig.Context(), rig.types_.FindType(type), rig.now_)));
            QTest::keyClicks(Field<QLineEdit>(dialog, "name"), QStringLiteral("Call Ann"));
            dialog.accept();
            EXPECT_TRUE(dialog.Stored()) << type;
            EXPECT_TRUE(rig.boxes_.shown.empty())
                << type << ": " << rig.boxes_.LastText().toStdString();
            EXPECT_GT(dialog.Record().start - dialog.Record().AdvanceSpan(), now) << type;
        }
    }
}

TEST(EventEditor, BirthdayTypeMakesANewEventYearly) {
    WindowFixture rig;
    const int birthday = rig.types_.FindType("Birthday");
    EventEditorDialog dialog(rig.Context(), rig.boxes_,
                             Request(NewEventFor(rig.Context(), 0, rig.now_)));
    dialog.ChooseType(birthday);
    EXPECT_EQ(dialog.Record().pattern, uint32_t{kFormByDate | kKindYearly});
    EXPECT_FALSE(Field<DateField>(dialog, "date")->isEnabled());
    EXPECT_FALSE(Field<TimeField>(dialog, "time")->isEnabled());
    EXPECT_FALSE(Field<QLineEdit>(dialog, "recurrenceText")->text().isEmpty());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("New Birthday"));

    EXPECT_TRUE(NewEventFor(rig.Context(), birthday, rig.now_).IsRecurring());
}

TEST(EventEditor, OkChecksTheFieldsInOrder) {
    struct Case {
        const char* name;
        bool recurring;
        const char* time;
        const char* duration;
        const char* remind;
        int message;
        const char* focus;
    };
    const Case cases[] = {
        {"time first", false, "25:99", "x", "x", IDS_TIME_NOT_VALID, "timeList"},
        {"duration", false, "10:00", "x", "x", IDS_DURATION_NOT_VALID, "duration"},
        {"duration too long", false, "10:00", "40000", "x", IDS_DURATION_TOO_LARGE, "duration"},
        {"no zero duration", false, "10:00", "0", "5", IDS_DURATION_NOT_VALID, "duration"},
        {"longer than the period", true, "10:00", "1 week", "x", IDS_DURATION_TOO_LONG_FOR_PATTERN,
         "duration"},
        {"advance last", false, "10:00", "1 hour", "x", IDS_DURATION_NOT_VALID, "remind"},
        {"advance before the previous", true, "10:00", "1 hour", "2 days",
         IDS_ADVANCE_BEFORE_PREVIOUS, "remind"},
    };
    for (const Case& c : cases) {
        WindowFixture rig;
        rig.options_.newTimePicker = false;
        EventRecord event = NewEventFor(rig.Context(), -1, rig.now_);
        if (c.recurring) event.SetPattern(kFormByDate | kKindDaily, 1);
        EventEditorDialog dialog(rig.Context(), rig.boxes_, Request(event));
        TypeInto(Field<QComboBox>(dialog, "timeList"), QString::fromLatin1(c.time));
        TypeInto(Field<QComboBox>(dialog, "duration"), QString::fromLatin1(c.duration));
        TypeInto(Field<QComboBox>(dialog, "remind"), QString::fromLatin1(c.remind));
        dialog.accept();
        EXPECT_EQ(rig.boxes_.LastText(), Text(c.message)) << c.name;
        EXPECT_FALSE(dialog.Stored()) << c.name;
        const QWidget* focus = dialog.focusWidget();
        while (focus && focus->objectName() != QLatin1String(c.focus))
            focus = focus->parentWidget();
        EXPECT_NE(focus, nullptr) << c.name;
    }
}

class SilentReminderBoxes final : public ReminderBoxes {
public:
    void Warn(QWidget*, const QString&) override {}
    bool AskYesNo(QWidget*, const QString&) override { return false; }
    void ShowError(QWidget*, const QString&) override {}
    void CloseOpenBoxes() override {}
};

// A window rig whose previews open as real reminder windows.
struct PreviewRig {
    PreviewRig() { rig.context_.reminders = &reminders; }
    WindowFixture rig;
    SilentReminderBoxes reminderBoxes;
    ReminderWindowSet reminders{{rig.store_,
                                 rig.types_,
                                 rig.options_,
                                 rig.formats_,
                                 rig.workArea_,
                                 rig.sound_,
                                 reminderBoxes,
                                 false,
                                 {}}};
};

TEST(EventEditor, PreviewStoresTheWindowSizeInTheEvent) {
    PreviewRig previews;
    WindowFixture& rig = previews.rig;
    ReminderWindowSet& reminders = previews.reminders;
    EventRecord event = NewEventFor(rig.Context(), -1, rig.now_ + DateTimeSpan::Days(1));
    EventEditorDialog dialog(rig.Context(), rig.boxes_, Request(event));
    QTest::mouseClick(Field<QPushButton>(dialog, "preview"), Qt::LeftButton);
    ReminderWindow* preview = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* r = qobject_cast<ReminderWindow*>(w)) preview = r;
    ASSERT_NE(preview, nullptr);
    preview->resize(preview->width() + 40, preview->height() + 30);
    const QSize size = preview->size();
    QTest::mouseClick(preview->AcceptButton(), Qt::LeftButton);
    dialog.accept();
    ASSERT_TRUE(dialog.Stored());
    EXPECT_TRUE(dialog.Record().Has(kHasWindowSize));
    EXPECT_EQ(dialog.Record().windowSize,
              static_cast<uint32_t>(size.height()) << 16 | static_cast<uint32_t>(size.width()));
    reminders.CloseAll();
}

TEST(EventEditor, ThePreviewIsUsableOverTheModalEditorAndClosesWithIt) {
    PreviewRig previews;
    WindowFixture& rig = previews.rig;
    ReminderWindowSet& reminders = previews.reminders;
    EventEditorDialog dialog(rig.Context(), rig.boxes_,
                             Request(NewEventFor(rig.Context(), -1, rig.now_)));
    QPointer<ReminderWindow> preview;
    bool aboveTheEditor = false;
    WhenShown<EventEditorDialog>([&](EventEditorDialog& editor) {
        QTest::mouseClick(Field<QPushButton>(editor, "preview"), Qt::LeftButton);
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* r = qobject_cast<ReminderWindow*>(w); r && r->isVisible()) preview = r;
        // The modal editor blocks every window but its own (Qt's rule for modality).
        aboveTheEditor = preview && preview->windowHandle() &&
                         editor.windowHandle()->isAncestorOf(preview->windowHandle(),
                                                             QWindow::IncludeTransients);
        editor.reject();
    });
    dialog.exec();
    EXPECT_TRUE(aboveTheEditor);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(!preview || !preview->isVisible()) << "left open after the editor closed";
    reminders.CloseAll();
}

TEST(EditEvent, WarnsAfterSavingAnEventTheFilterHides) {
    WindowFixture rig;
    rig.types_.Filters().push_back({kFilterShowAccepted, "Calls", {"Call"}});
    ASSERT_TRUE(rig.types_.SelectFilter("Calls"));
    EditorRequest request = Request(NewEventFor(rig.Context(), rig.types_.FindType("Meeting"),
                                                rig.now_ + DateTimeSpan::Days(1)));
    request.warnWhenFiltered = true;
    WhenShown<EventEditorDialog>([](EventEditorDialog& editor) { editor.accept(); });
    EXPECT_TRUE(EditEvent(rig.Context(), rig.boxes_, request, nullptr));
    EXPECT_EQ(rig.boxes_.LastText(), Text(IDS_FILTER_HIDES_EVENT));
}

} // namespace
} // namespace zm::testing
