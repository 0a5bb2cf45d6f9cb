// A look at the reminder windows as a user sees them: a few events of different types shown at
// once over a library in memory, one of them collapsed. Runs for the seconds given (default 30).

#include "adapters/gui/qt_work_area.h"
#include "store/types/type_list.h"
#include "support/event_builders.h"
#include "support/memory_file_system.h"
#include "support/recording_sound_backend.h"
#include "ui/reminder/reminder_window_set.h"

#include <QApplication>
#include <QTimer>

using namespace zm;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 30;
    MemoryFileSystem files;
    files.folders.insert("/prog");
    const DateTime now = testing::At(2026, 12, 7, 9, 0);
    EventStore store(StoreSetup{&files, [now] { return now; }, WeekSettings{}, "/prog"});
    TypeList types;
    types.CreatePredefined();
    store.SetTypeLookup([&types](const std::string& name) { return types.FindType(name); });
    if (store.OpenDefaultLibrary() != LibraryResult::Ok) return 1;

    ProgramSettings settings;
    LocaleFormats formats;
    QtWorkArea work;
    testing::RecordingSoundBackend sound;
    QtReminderBoxes boxes;
    ReminderWindowSet set(
        ReminderEnvironment{store, types, settings, formats, work, sound, boxes, false, {}});

    const auto show = [&](EventRecord e) {
        if (store.StoreNew(e) != LibraryResult::Ok) return static_cast<ReminderWindow*>(nullptr);
        set.Present(e);
        return set.WindowOf(e.key);
    };
    EventRecord plain = testing::OneTime(now + DateTimeSpan::Minutes(15));
    plain.name = "Call the garage about the tyres";
    plain.typeName = "Call";
    show(plain);

    EventRecord meeting =
        testing::Recurring(testing::kWeekly, 1 << 16 | 1, now - DateTimeSpan::Days(7));
    meeting.SetPattern(kFormByDate | kKindWeekly | kMonday, 1);
    meeting.name = "Team meeting";
    meeting.typeName = "Meeting";
    meeting.notes =
        "Room 4.12\nBring the quarterly figures and the travel plan.\nAsk about the new "
        "office hours.";
    show(meeting);

    EventRecord birthday =
        testing::Recurring(testing::kYearlyDate, 1, testing::At(1970, 12, 9, 0, 0));
    birthday.name = "Ann";
    birthday.typeName = "Birthday";
    birthday.SetFlag(kAge, true);
    birthday.advance = TimeAmount::Of(AmountUnit::Day, 3);
    show(birthday);

    EventRecord snoozed = testing::OneTime(now - DateTimeSpan::Hours(2));
    snoozed.name = "Pay the electricity bill";
    snoozed.typeName = "Payment";
    snoozed.SetFlag(kSnoozed, true);
    snoozed.snoozeUntil = now;
    snoozed.snoozeChoice = TimeAmount::Of(AmountUnit::Hour, 1);
    if (ReminderWindow* w = show(snoozed)) w->RunCommand(32832);

    // "spread": side by side instead of the cascade, to look at each one.
    if (argc > 2 && std::string(argv[2]) == "spread") {
        int y = 10;
        for (ReminderWindow* w : set.Windows()) {
            w->move(10 + (y > 500 ? 620 : 0), y > 500 ? y - 480 : y);
            y += w->height() + 20;
        }
    }
    QTimer::singleShot(seconds * 1000, &app, &QApplication::quit);
    return app.exec();
}
