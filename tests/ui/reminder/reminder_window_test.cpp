// The reminder windows over a store in memory: their buttons, boxes and the store's notices.

#include "format/colour_contrast.h"
#include "list/delete_question.h"
#include "res/strings.h"
#include "store/store_scopes.h"
#include "support/fake_work_area.h"
#include "support/gui/palettes.h"
#include "support/recording_sound_backend.h"
#include "support/store_fixture.h"
#include "ui/reminder/caption_bar.h"
#include "ui/reminder/reminder_window_set.h"
#include "ui/reminder/snooze_label.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <deque>

namespace zm::testing {
namespace {

// The least contrast of a text (WCAG 2.1 AA for normal text).
constexpr double kReadable = 4.5;

// Boxes answered by the test. Each records its text and whether the reminder windows could be
// used while it was up.
class ScriptedBoxes final : public ReminderBoxes {
public:
    std::vector<std::string> shown;
    std::deque<bool> answers;
    bool windowsUsableDuringBox = false;
    std::function<void()> whileUp; // runs while a box is up

    void Warn(QWidget*, const QString& text) override { Record("warn: ", text); }
    bool AskYesNo(QWidget*, const QString& text) override {
        Record("ask: ", text);
        const bool yes = !answers.empty() && answers.front();
        if (!answers.empty()) answers.pop_front();
        return yes;
    }
    void ShowError(QWidget*, const QString& text) override { Record("error: ", text); }
    void CloseOpenBoxes() override { shown.push_back("closed"); }

    ReminderWindowSet* set = nullptr;

private:
    void Record(const char* kind, const QString& text) {
        shown.push_back(kind + text.toStdString());
        for (ReminderWindow* w : set->Windows())
            if (w->AcceptButton()->isEnabled() || w->OpenButton()->isEnabled())
                windowsUsableDuringBox = true;
        if (whileUp) whileUp();
    }
};

class ReminderWindowTest : public StoreTest {
protected:
    ReminderWindowTest() {
        OpenEmpty();
        boxes_.set = &set_;
    }
    ~ReminderWindowTest() override {
        set_.CloseAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // A due one-time event stored and shown.
    ReminderWindow* ShowDue(EventRecord e, const std::string& type = "Meeting") {
        e.name = "Dentist";
        e.typeName = type;
        const uint16_t key = Put(e);
        const EventRecord stored = Read(key);
        EXPECT_NE(stored.id, 0u);
        EXPECT_EQ(set_.Present(stored), PresentResult::Shown);
        return set_.WindowOf(key);
    }

    void Click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    void Settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    TypeList types_;
    ProgramSettings settings_;
    LocaleFormats formats_;
    FakeWorkArea work_;
    RecordingSoundBackend sound_;
    ScriptedBoxes boxes_;
    ReminderWindowSet set_{
        ReminderEnvironment{store_, types_, settings_, formats_, work_, sound_, boxes_, false, {}}};
};

TEST_F(ReminderWindowTest, AcceptStoresAndCloses) {
    ReminderWindow* w = ShowDue(OneTime(now_ - DateTimeSpan::Minutes(1)));
    ASSERT_NE(w, nullptr);
    const uint16_t key = w->Key();
    EXPECT_EQ(w->windowTitle().toStdString(),
              "Meeting - " + formats_.FormatDayDateTime(now_ - DateTimeSpan::Minutes(1), true));
    EXPECT_EQ(w->NameLine()->text(), "Dentist");
    QPointer<ReminderWindow> alive(w);
    Click(w->AcceptButton());
    EXPECT_FALSE(set_.IsOpen(key));
    Settle();
    EXPECT_TRUE(alive.isNull());
    ASSERT_EQ(notices_.changes.size(), 1u);
    EXPECT_EQ(notices_.changes[0].kind, StoreChangeKind::Accepted);
    EXPECT_TRUE(Read(notices_.changes[0].newKey).Has(kAccepted));
}

TEST_F(ReminderWindowTest, TakesItsTypesLookAgainWhenTheTypesChange) {
    ReminderWindow* w = ShowDue(OneTime(now_));
    const QColor undefinedBack = w->palette().color(QPalette::Window);
    types_.CreatePredefined(); // "Meeting" is known now, with colours of its own
    store_.TypesChanged();
    const EventType* meeting = types_.TypeAt(types_.FindType("Meeting"));
    EXPECT_EQ(w->palette().color(QPalette::Window),
              ReminderColoursFor(meeting, QApplication::palette()).back);
    EXPECT_NE(w->palette().color(QPalette::Window), undefinedBack);
    EXPECT_TRUE(set_.IsOpen(w->Key()));
}

TEST_F(ReminderWindowTest, FailedAcceptKeepsTheWindow) {
    ReminderWindow* w = ShowDue(OneTime(now_));
    faults_->FailWritesFrom(1);
    Click(w->AcceptButton());
    EXPECT_TRUE(set_.IsOpen(w->Key()));
    ASSERT_EQ(boxes_.shown.size(), 1u);
    EXPECT_TRUE(boxes_.shown[0].starts_with("error: "));
    EXPECT_FALSE(boxes_.windowsUsableDuringBox);
    EXPECT_TRUE(w->AcceptButton()->isEnabled()); // usable again once the box is gone
}

TEST_F(ReminderWindowTest, SnoozeChecksItsAmountThenSnoozes) {
    ReminderWindow* w = ShowDue(OneTime(now_ + DateTimeSpan::Minutes(10)));
    EXPECT_EQ(w->AmountBox()->currentText(), "5 minutes");
    ASSERT_TRUE(w->BeforeStartBox()->isEnabled());

    struct Step {
        QString text;
        bool beforeStart;
        int message;
    };
    const Step refused[] = {
        {"3 fortnights", false, IDS_DURATION_NOT_VALID},
        {"40000", false, IDS_DURATION_TOO_LARGE},
        {"9", true, IDS_SNOOZE_BEFORE_START},
    };
    for (const Step& s : refused) {
        boxes_.shown.clear();
        w->AmountBox()->setEditText(s.text);
        w->BeforeStartBox()->setChecked(s.beforeStart);
        Click(w->SnoozeButton());
        ASSERT_EQ(boxes_.shown.size(), 1u) << s.text.toStdString();
        EXPECT_EQ(boxes_.shown[0], std::string("warn: ") + LoadString(s.message));
        EXPECT_TRUE(set_.IsOpen(w->Key()));
    }
    EXPECT_FALSE(boxes_.windowsUsableDuringBox);

    const uint16_t key = w->Key();
    w->AmountBox()->setEditText("8");
    w->BeforeStartBox()->setChecked(true);
    Click(w->SnoozeButton());
    EXPECT_FALSE(set_.IsOpen(key));
    ASSERT_EQ(notices_.changes.back().kind, StoreChangeKind::Snoozed);
    const EventRecord snoozed = Read(notices_.changes.back().newKey);
    EXPECT_TRUE(snoozed.Has(kSnoozed));
    EXPECT_EQ(snoozed.snoozeUntil, now_ + DateTimeSpan::Minutes(2));
    EXPECT_EQ(snoozed.snoozeChoice.word, 8u | TimeAmount::kBeforeStart);
    EXPECT_FALSE(snoozed.Has(kHasWindowSize)); // the window kept its minimum size
}

TEST_F(ReminderWindowTest, SnoozePastTheNextOccurrenceIsRefused) {
    EventRecord daily = Recurring(kDaily, 1, now_ - DateTimeSpan::Days(3) + DateTimeSpan::Hours(1));
    ReminderWindow* w = ShowDue(daily);
    w->AmountBox()->setEditText("25 hours");
    Click(w->SnoozeButton());
    ASSERT_EQ(boxes_.shown.size(), 1u);
    EXPECT_EQ(boxes_.shown[0], std::string("warn: ") + LoadString(IDS_SNOOZE_AFTER_NEXT));
    EXPECT_TRUE(set_.IsOpen(w->Key()));
}

TEST_F(ReminderWindowTest, DeleteAsksForARecurringEvent) {
    ReminderWindow* w = ShowDue(Recurring(kDaily, 1, now_ - DateTimeSpan::Days(1)));
    const uint16_t key = w->Key();
    boxes_.answers = {false, true};
    Click(w->DeleteButton());
    EXPECT_EQ(boxes_.shown, std::vector<std::string>{std::string("ask: ") +
                                                     LoadString(IDS_ASK_DELETE_RECURRING)});
    EXPECT_TRUE(set_.IsOpen(key));
    EXPECT_TRUE(store_.ReadStored(key).Ok());
    Click(w->DeleteButton());
    EXPECT_FALSE(set_.IsOpen(key));
    EXPECT_FALSE(store_.ReadStored(key).Ok());
}

TEST_F(ReminderWindowTest, DeleteAsksForAOneTimeEventAsTheListDoes) {
    ReminderWindow* w = ShowDue(OneTime(now_ - DateTimeSpan::Minutes(1)));
    const uint16_t key = w->Key();
    boxes_.answers = {false, true};
    Click(w->DeleteButton());
    ASSERT_EQ(boxes_.shown, std::vector<std::string>{"ask: " + DeleteQuestion(1, "Dentist")});
    EXPECT_EQ(boxes_.shown[0], "ask: Are you sure you want to delete 'Dentist' event?");
    EXPECT_TRUE(set_.IsOpen(key));
    EXPECT_TRUE(store_.ReadStored(key).Ok());
    Click(w->DeleteButton());
    EXPECT_FALSE(set_.IsOpen(key));
    EXPECT_FALSE(store_.ReadStored(key).Ok());
}

TEST_F(ReminderWindowTest, ACollapsedWindowAcceptsAndShowsNoButtonThatDoesNothing) {
    ReminderWindow* w = ShowDue(OneTime(now_ - DateTimeSpan::Minutes(1)));
    const uint16_t key = w->Key();
    CaptionBar* bar = w->Caption();
    const QPoint collapse = bar->ButtonRect(CaptionBar::Button::Collapse).center();
    QTest::mouseClick(bar, Qt::LeftButton, {}, collapse);
    ASSERT_TRUE(w->Collapsed());
    for (QPushButton* b : {w->SnoozeButton(), w->OpenButton(), w->DeleteButton()})
        EXPECT_FALSE(b->isVisible()) << b->text().toStdString();
    EXPECT_TRUE(w->AcceptButton()->isVisible());
    EXPECT_TRUE(w->rect().intersects(w->AcceptButton()->geometry()));
    QTest::mouseClick(bar, Qt::LeftButton, {}, collapse);
    ASSERT_FALSE(w->Collapsed());
    for (QPushButton* b : {w->SnoozeButton(), w->OpenButton(), w->DeleteButton()})
        EXPECT_TRUE(b->isVisible()) << b->text().toStdString();

    QTest::mouseClick(bar, Qt::LeftButton, {}, collapse);
    Click(w->AcceptButton());
    EXPECT_FALSE(set_.IsOpen(key));
    ASSERT_EQ(notices_.changes.size(), 1u);
    EXPECT_EQ(notices_.changes[0].kind, StoreChangeKind::Accepted);
}

TEST_F(ReminderWindowTest, ButtonsKeepTheSystemsLookAndTextsStayReadable) {
    types_.CreatePredefined();
    store_.TypesChanged();
    for (const NamedPalette& palette : LightAndDarkPalettes()) {
        const PaletteScope scope(palette.palette);
        const QPalette& system = palette.palette;
        for (const char* type : {"Alarm", "Birthday", "TV program", "No such type"}) {
            ReminderWindow* w = ShowDue(OneTime(now_ + DateTimeSpan::Minutes(30)), type);
            const std::string what = std::string(palette.name) + " " + type;
            const QPalette window = w->palette();
            const int typeIndex = types_.FindType(type);
            if (typeIndex >= 0) {
                EXPECT_EQ(window.color(QPalette::Window).rgb() & 0xFFFFFF,
                          RgbFromTypeColour(types_.TypeAt(typeIndex)->backColour))
                    << what;
            }
            const auto ratio = [](const QColor& a, const QColor& b) {
                return ContrastRatio(a.rgb() & 0xFFFFFF, b.rgb() & 0xFFFFFF);
            };
            for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Disabled}) {
                const QColor back = window.color(g, QPalette::Window);
                EXPECT_GE(ratio(w->Label()->palette().color(g, QPalette::WindowText), back),
                          kReadable)
                    << what;
                EXPECT_GE(
                    ratio(w->BeforeStartBox()->palette().color(g, QPalette::WindowText), back),
                    kReadable)
                    << what;
                for (QWidget* text : std::initializer_list<QWidget*>{w->NameLine(), w->Notes()})
                    EXPECT_GE(ratio(text->palette().color(g, QPalette::Text),
                                    text->palette().color(g, QPalette::Base)),
                              kReadable)
                        << what;
                for (QWidget* control : std::initializer_list<QWidget*>{
                         w->AcceptButton(), w->SnoozeButton(), w->OpenButton(), w->DeleteButton(),
                         w->AmountBox()})
                    for (QPalette::ColorRole role :
                         {QPalette::Button, QPalette::ButtonText, QPalette::Base, QPalette::Text})
                        EXPECT_EQ(control->palette().color(g, role), system.color(g, role)) << what;
            }
            set_.CloseAll();
            Settle();
        }
    }
}

// The reminder windows of a few types and a colour of the user's, expanded and collapsed, in a
// light and a dark palette.
class Screenshots : public ReminderWindowTest {};

TEST_F(Screenshots, ReminderWindows) {
    types_.CreatePredefined();
    EventType own = NewEventType(types_.systemColours);
    own.name = "Gardening";
    own.flags |= kTypeCustomColours;
    own.textColour = 0xFFC080; // pale blue on steel blue
    own.backColour = 0xC08040;
    ASSERT_TRUE(types_.AddType(own, {}, {}));
    store_.TypesChanged();
    InEachPalette([&](const NamedPalette& palette) {
        for (const char* type :
             {"Alarm", "Birthday", "Meeting", "TV program", "Gardening", "No such type"}) {
            EventRecord e = OneTime(now_ + DateTimeSpan::Minutes(30));
            e.notes = "Bring the insurance card.";
            ReminderWindow* w = ShowDue(e, type);
            QString name = QString::fromUtf8(type).toLower().replace(QLatin1Char(' '), '-');
            if (std::string(type) == "No such type") name = QStringLiteral("system");
            SavePicture(*w, "reminder-" + name, palette);
            if (std::string(type) == "Alarm") { // while the editor of its event is open
                set_.SetProgramDialog(ProgramDialog::EventEditor, w->Key());
                SavePicture(*w, "reminder-" + name + "-disabled", palette);
                set_.SetProgramDialog(ProgramDialog::None);
            }
            if (std::string(type) == "Alarm" || std::string(type) == "Gardening") {
                w->Caption()->buttonClicked(CaptionBar::Button::Collapse);
                EXPECT_TRUE(w->Collapsed());
                SavePicture(*w, "reminder-" + name + "-collapsed", palette);
            }
            set_.CloseAll();
            Settle();
        }
    });
}

TEST_F(ReminderWindowTest, ChangesElsewhereCloseTheWindow) {
    ReminderWindow* accepted = ShowDue(OneTime(now_));
    ReminderWindow* other = ShowDue(OneTime(now_ - DateTimeSpan::Hours(1)));
    const uint16_t key = accepted->Key();
    // The companion accepts the event the way the window would.
    ASSERT_EQ(store_.AcceptStored(key, 0), LibraryResult::Ok);
    EXPECT_FALSE(set_.IsOpen(key));
    EXPECT_TRUE(set_.IsOpen(other->Key()));

    // A notice that comes while the window's own question is up closes it once the box is gone,
    // and the event is not deleted a second time.
    ReminderWindow* recurring = ShowDue(Recurring(kDaily, 1, now_ - DateTimeSpan::Days(1)));
    const uint16_t rkey = recurring->Key();
    boxes_.answers = {true};
    boxes_.whileUp = [&] { EXPECT_EQ(store_.AcceptListed(rkey, 0), LibraryResult::Ok); };
    QPointer<ReminderWindow> alive(recurring);
    Click(recurring->DeleteButton());
    EXPECT_FALSE(set_.IsOpen(rkey));
    EXPECT_FALSE(alive.isNull()); // not destroyed under the box's loop
    Settle();
    EXPECT_TRUE(alive.isNull());
    EXPECT_EQ(notices_.changes.back().kind, StoreChangeKind::Accepted);
}

TEST_F(ReminderWindowTest, ExitWhileAQuestionIsUpDeletesNothing) {
    ReminderWindow* w = ShowDue(Recurring(kDaily, 1, now_ - DateTimeSpan::Days(1)));
    const uint16_t key = w->Key();
    boxes_.answers = {true};
    boxes_.whileUp = [&] { set_.CloseAll(); };
    QPointer<ReminderWindow> alive(w);
    Click(w->DeleteButton());
    EXPECT_EQ(boxes_.shown.back(), "closed");
    EXPECT_TRUE(store_.ReadStored(key).Ok());
    EXPECT_FALSE(alive.isNull());
    Settle();
    EXPECT_TRUE(alive.isNull());
}

TEST_F(ReminderWindowTest, KeysOnTheSnoozeLabelAreSwallowedButMnemonicsWork) {
    ReminderWindow* w = ShowDue(OneTime(now_));
    const uint16_t key = w->Key();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    EXPECT_EQ(QApplication::focusWidget(), w->Label());
    for (Qt::Key k : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_A, Qt::Key_Escape})
        QTest::keyClick(w->Label(), k);
    EXPECT_TRUE(set_.IsOpen(key));
    EXPECT_EQ(QApplication::focusWidget(), w->Label());
    QTest::keyClick(w->Label(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), w->AmountBox());
    w->Label()->setFocus();
    QTest::keyClick(w->windowHandle(), Qt::Key_A, Qt::AltModifier); // the button clicks shortly
    EXPECT_TRUE(QTest::qWaitFor([&] { return !set_.IsOpen(key); }, 2000));
}

TEST_F(ReminderWindowTest, ProgramDialogsDisableWhatTheyMust) {
    ReminderWindow* a = ShowDue(OneTime(now_ + DateTimeSpan::Minutes(30)));
    ReminderWindow* b = ShowDue(OneTime(now_));
    set_.SetProgramDialog(ProgramDialog::EventEditor, a->Key());
    EXPECT_FALSE(a->AcceptButton()->isEnabled());
    EXPECT_FALSE(a->BeforeStartBox()->isEnabled());
    EXPECT_FALSE(a->OpenButton()->isEnabled());
    EXPECT_TRUE(b->AcceptButton()->isEnabled());
    EXPECT_FALSE(b->OpenButton()->isEnabled());
    set_.SetProgramDialog(ProgramDialog::None);
    EXPECT_TRUE(a->AcceptButton()->isEnabled());
    EXPECT_TRUE(a->BeforeStartBox()->isEnabled());
    EXPECT_FALSE(b->BeforeStartBox()->isEnabled()); // its occurrence is not 7 minutes away
    EXPECT_TRUE(a->OpenButton()->isEnabled());

    // Until the event editor exists "Open..." sounds the exclamation beep.
    sound_.calls.clear();
    Click(a->OpenButton());
    ASSERT_EQ(sound_.calls.size(), 1u);
    EXPECT_EQ(sound_.calls[0].what, SoundCall::Kind::Exclamation);
}

TEST_F(ReminderWindowTest, OneWindowPerEventPlacedInACascade) {
    EventRecord e = OneTime(now_);
    ReminderWindow* first = ShowDue(e);
    ReminderWindow* second = ShowDue(OneTime(now_));
    EXPECT_EQ(first->pos(), QPoint(38, 19));
    EXPECT_EQ(second->pos(), QPoint(76, 38));
    e.key = first->Key();
    EXPECT_EQ(set_.Present(e), PresentResult::Shown);
    EXPECT_EQ(set_.Windows().size(), 2u);
    {
        const ReminderCreationScope busy(store_);
        EXPECT_EQ(set_.Present(OneTime(now_)), PresentResult::CreationInProgress);
    }
}

TEST_F(ReminderWindowTest, SoundMenuCommandsAndClosing) {
    ReminderWindow* w = ShowDue(OneTime(now_)); // the undefined type: the beep, repeated
    EXPECT_EQ(w->Player().Mode(), SoundMode::Beep);
    EXPECT_GT(w->Player().RepeatDelay().count(), 0);
    QAction* stop = w->Menu()->actions().front();
    EXPECT_TRUE(stop->isEnabled());
    set_.StopSoundRepetition(); // the tray switched the sound off
    EXPECT_EQ(w->Player().Mode(), SoundMode::Idle);
    EXPECT_FALSE(stop->isEnabled());

    const int height = w->height();
    const QString caption = w->windowTitle();
    w->RunCommand(32832); // inside the quick-reminder range, but the window's own
    EXPECT_TRUE(w->Collapsed());
    EXPECT_LT(w->height(), height);
    EXPECT_EQ(w->windowTitle(), w->Content().nameLine.c_str());
    EXPECT_EQ(w->NameLine()->text(), caption);
    EXPECT_FALSE(w->OpenButton()->isVisible()); // only Accept stays while collapsed
    EXPECT_TRUE(set_.IsOpen(w->Key()));
    w->RunCommand(32832);
    EXPECT_EQ(w->height(), height);
    w->RunCommand(32816);
    EXPECT_TRUE(w->TopMost());
    EXPECT_TRUE(w->windowFlags() & Qt::WindowStaysOnTopHint);

    sound_.calls.clear();
    EXPECT_FALSE(w->close()); // refused with the default beep
    EXPECT_TRUE(set_.IsOpen(w->Key()));
    ASSERT_EQ(sound_.calls.size(), 1u);
    EXPECT_EQ(sound_.calls[0].what, SoundCall::Kind::Beep);
}

// The role and name of each child of an accessible object, as a screen reader lists them.
std::vector<std::pair<QAccessible::Role, QString>> Children(QAccessibleInterface* a) {
    std::vector<std::pair<QAccessible::Role, QString>> children;
    for (int i = 0; i < a->childCount(); ++i)
        if (QAccessibleInterface* c = a->child(i); c && !c->state().invisible)
            children.emplace_back(c->role(), c->text(QAccessible::Name));
    return children;
}

TEST_F(ReminderWindowTest, AScreenReaderReadsAnAlertWithItsCaptionTextsAndButtons) {
    EventRecord e = OneTime(now_);
    e.notes = "Bring the X-rays";
    ReminderWindow* w = ShowDue(e);
    ASSERT_NE(w, nullptr);
    QAccessibleInterface* alert = QAccessible::queryAccessibleInterface(w);
    ASSERT_NE(alert, nullptr);
    EXPECT_EQ(alert->role(), QAccessible::AlertMessage);
    EXPECT_EQ(alert->text(QAccessible::Name), w->windowTitle());
    using R = QAccessible::Role;
    const auto children = Children(alert);
    const std::vector<std::pair<R, QString>> expected{
        {R::Grouping, w->windowTitle()},
        {R::StaticText, "Dentist"},
        {R::Separator, ""},
        {R::StaticText, "Bring the X-rays"},
        {R::Separator, ""},
        {R::StaticText, "Click Snooze to be reminded again after:"},
        {R::ComboBox, w->AmountBox()->currentText()},
        {R::CheckBox, "before start"},
        {R::Button, "Snooze"},
        {R::Button, "Accept"},
        {R::Button, "Open..."},
        {R::Button, "Delete"}};
    EXPECT_EQ(children, expected);
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(w->Caption());
    EXPECT_EQ(Children(bar),
              (std::vector<std::pair<R, QString>>{
                  {R::Button, "Collapse"}, {R::Button, "Always on Top"}, {R::Button, "Minimize"}}));

    // Opened and active, the focus is inside the window, on the snooze label, which swallows
    // stray keys: what the user was typing elsewhere does not answer the reminder.
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    EXPECT_EQ(QApplication::focusWidget(), w->Label());
    EXPECT_EQ(alert->focusChild()->object(), w->Label());

    // Collapsed, it reads as it looks: the name on top, the caption below, Accept, and the
    // Expand button, whose action expands it again. The focus moves to the read-only name line
    // and back.
    w->RunCommand(32832);
    EXPECT_EQ(alert->text(QAccessible::Name), "Dentist");
    EXPECT_EQ(Children(alert),
              (std::vector<std::pair<R, QString>>{{R::Grouping, "Dentist"},
                                                  {R::StaticText, w->Content().caption.c_str()},
                                                  {R::Button, "Accept"}}));
    EXPECT_EQ(QApplication::focusWidget(), w->NameLine());
    EXPECT_EQ(bar->text(QAccessible::Name), "Dentist");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(w->NameLine())->text(QAccessible::Name),
              w->Content().caption.c_str());
    EXPECT_EQ(QAccessible::queryAccessibleInterface(w->AcceptButton())->text(QAccessible::Name),
              "Accept");
    QAccessibleInterface* expand = bar->child(0);
    EXPECT_EQ(expand->text(QAccessible::Name), "Expand");
    ASSERT_NE(expand->actionInterface(), nullptr);
    expand->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_FALSE(w->Collapsed());
    EXPECT_EQ(expand->text(QAccessible::Name), "Collapse");
    EXPECT_EQ(Children(alert), expected);
    EXPECT_EQ(QApplication::focusWidget(), w->Label());
}

TEST_F(ReminderWindowTest, CaptionButtonsActWhereTheyWerePressed) {
    ReminderWindow* w = ShowDue(OneTime(now_));
    CaptionBar* bar = w->Caption();
    const QPoint pin = bar->ButtonRect(CaptionBar::Button::Pin).center();
    const QPoint collapse = bar->ButtonRect(CaptionBar::Button::Collapse).center();
    QTest::mouseClick(bar, Qt::LeftButton, {}, pin);
    EXPECT_TRUE(w->TopMost());
    // Pressed on one button and released over another: nothing.
    QTest::mousePress(bar, Qt::LeftButton, {}, collapse);
    QTest::mouseRelease(bar, Qt::LeftButton, {}, pin);
    EXPECT_FALSE(w->Collapsed());
    EXPECT_TRUE(w->TopMost());
    QTest::mouseClick(bar, Qt::LeftButton, {}, collapse);
    EXPECT_TRUE(w->Collapsed());
    QTest::mouseDClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, bar->height() / 2));
    EXPECT_FALSE(w->Collapsed());
}

TEST_F(ReminderWindowTest, TimeOverAcceptsAndSizesAreKept) {
    EventRecord e = OneTime(now_ - DateTimeSpan::Minutes(40));
    e.SetFlag(kSkipWhenOver, true); // 30 minutes long: over 10 minutes ago
    ReminderWindow* over = ShowDue(e);
    ReminderWindow* running = ShowDue(OneTime(now_ - DateTimeSpan::Minutes(10)));
    set_.SetProgramDialog(ProgramDialog::EventEditor, over->Key());
    EXPECT_EQ(set_.CloseWindowsWhoseTimeIsOver(), LibraryResult::Ok);
    EXPECT_TRUE(set_.IsOpen(over->Key())); // the editor holds it
    set_.SetProgramDialog(ProgramDialog::None);
    const uint16_t overKey = over->Key();
    EXPECT_EQ(set_.CloseWindowsWhoseTimeIsOver(), LibraryResult::Ok);
    EXPECT_FALSE(set_.IsOpen(overKey));
    EXPECT_TRUE(set_.IsOpen(running->Key()));

    // A larger window keeps its size with the snooze, and opens at it again.
    running->resize(running->width() + 40, running->height() + 30);
    const uint32_t size = static_cast<uint32_t>(running->height()) << 16 | running->width();
    EXPECT_EQ(running->CustomSize(), size);
    Click(running->SnoozeButton());
    const EventRecord snoozed = Read(notices_.changes.back().newKey);
    EXPECT_TRUE(snoozed.Has(kHasWindowSize));
    EXPECT_EQ(snoozed.windowSize, size);
    ASSERT_EQ(set_.Present(snoozed), PresentResult::Shown);
    EXPECT_EQ(set_.WindowOf(snoozed.key)->size(),
              QSize(static_cast<int>(size & 0xFFFF), static_cast<int>(size >> 16)));
}

TEST_F(ReminderWindowTest, SizePreviewSavesTheSize) {
    std::optional<uint32_t> saved;
    bool done = false;
    EventRecord e = OneTime(now_);
    ReminderWindow* p = set_.ShowSizePreview(e, [&](std::optional<uint32_t> s) {
        saved = s;
        done = true;
    });
    EXPECT_EQ(p->AcceptButton()->text(), LoadString(IDS_REMINDER_SAVE_SIZE));
    EXPECT_FALSE(p->SnoozeButton()->isEnabled());
    EXPECT_FALSE(p->AmountBox()->isEnabled());
    EXPECT_FALSE(p->OpenButton()->isEnabled());
    EXPECT_FALSE(p->DeleteButton()->isEnabled());
    EXPECT_EQ(p->Player().Mode(), SoundMode::Idle);
    p->resize(p->width() + 10, p->height());
    Click(p->AcceptButton());
    EXPECT_TRUE(done);
    ASSERT_TRUE(saved);
    EXPECT_EQ(*saved & 0xFFFF, static_cast<uint32_t>(p->width()));
}

} // namespace
} // namespace zm::testing
