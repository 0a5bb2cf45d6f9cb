// Pictures of the event list over a sample library, Day and All views, in a light and a dark
// palette, for a person to look at.

#include "support/event_builders.h"
#include "support/gui/palettes.h"
#include "support/window_fixture.h"
#include "ui/list/event_list_view.h"

namespace zm {
namespace {

using testing::At;

EventRecord Sample(const char* name, const char* type, DateTime start, uint32_t flags = 0) {
    EventRecord e = testing::OneTime(start);
    e.name = name;
    e.typeName = type;
    e.flags |= flags;
    return e;
}

EventRecord Repeating(const char* name, const char* type, uint32_t pattern, uint32_t param,
                      DateTime start) {
    EventRecord e = Sample(name, type, start);
    e.SetPattern(pattern, param);
    return e;
}

void FillSampleLibrary(testing::WindowFixture& fx) {
    EventRecord snoozed = Sample("Call the plumber back", "Call", At(2026, 12, 7, 8, 15), kSnoozed);
    snoozed.snoozeUntil = At(2026, 12, 7, 10, 0);
    EventRecord birthday =
        Repeating("Grandmother's birthday", "Birthday", testing::kYearlyDate, 1, At(1941, 12, 7));
    birthday.SetFlag(kAge, true);
    const EventRecord events[] = {
        Sample("Dentist", "Appointment", At(2026, 12, 7, 14, 30)),
        Sample("Team meeting about the budget of the next year and all that it brings", "Meeting",
               At(2026, 12, 7, 11, 0)),
        snoozed,
        birthday,
        Repeating("Morning pills", "Alarm", testing::kDaily, 1, At(2026, 1, 1, 7, 30)),
        Repeating("Weekly review", "Meeting", testing::kWeekly | kMonday | kThursday, 1,
                  At(2026, 1, 5, 16, 0)),
        Repeating("Rent", "Payment", testing::kMonthlyDay, testing::MonthlyParam(7, 1),
                  At(2026, 1, 7, 9, 0)),
        Sample("Flight to Lisbon", "Travel", At(2026, 12, 7, 19, 45), kAccepted),
        Sample("Old newsletter", "Internet", At(2026, 12, 7, 6, 0), kDisabled),
        Sample("Film night", "TV program", At(2026, 12, 12, 20, 15)),
        Sample("Anniversary dinner", "Anniversary", At(2026, 12, 20, 19, 0)),
        Sample("New Year", "Holiday", At(2027, 1, 1, 0, 0)),
        Sample("Unknown kind of thing", "Gardening", At(2026, 12, 7, 17, 0)),
        Repeating("Stand-up", "Meeting", testing::kDaily, 2, At(2026, 12, 1, 9, 45)),
        Sample("Pick up parcel", "Alarm", At(2026, 12, 9, 12, 0)),
    };
    for (EventRecord e : events)
        fx.Put(e);
}

TEST(Screenshots, EventList) {
    testing::InEachPalette([](const testing::NamedPalette& palette) {
        testing::WindowFixture fx;
        FillSampleLibrary(fx);
        EventListView view(fx.Context(), fx.boxes_);
        view.resize(900, 330);
        view.show();
        view.Refresh(At(2026, 12, 7), ViewMode::Day);
        EXPECT_GE(view.RowCount(), 9);
        testing::SavePicture(view, QStringLiteral("event-list-day"), palette);
        view.Refresh(std::nullopt, ViewMode::All);
        EXPECT_EQ(view.RowCount(), 15);
        view.resize(900, 380);
        testing::SavePicture(view, QStringLiteral("event-list-all"), palette);
        EXPECT_TRUE(fx.boxes_.errors.empty());
    });
}

} // namespace
} // namespace zm
