#include "cli_fixture.h"

namespace zm::testing {
namespace {

class ReadCommands : public CliTest {};

EventRecord Daily(const std::string& name, DateTime start, int advanceMinutes = 0) {
    EventRecord e = Event(name, start);
    e.SetPattern(kFormByDate | kKindDaily, 1);
    e.advance = TimeAmount::Of(AmountUnit::Minute, advanceMinutes);
    return e;
}

TEST_F(ReadCommands, ListGivesEveryEventInKeyOrderAsTextAndJson) {
    EventRecord a = Event("Dentist", At(2025, 3, 12, 9, 30));
    a.typeName = "Appointment";
    a.id = 4249615984;
    EventRecord b = Daily("Pills", At(2025, 3, 1, 8, 0));
    b.id = 77;
    Store({a, b});

    // The key, which changes whenever the event is rewritten, and the id, which never does.
    CliResult r = Run({"list"});
    EXPECT_EQ(r.status, kExitOk);
    EXPECT_EQ(r.out, "    1  id:4249615984  3/12/25 9:30 AM  Dentist [Appointment]\n"
                     "    2  id:77          3/1/25 8:00 AM  Pills  Every day\n");

    r = Run({"--json", "list"});
    ASSERT_EQ(r.status, kExitOk);
    const auto events = r.WantsJson()["events"];
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0]["key"], 1);
    EXPECT_EQ(events[0]["id"], 4249615984u);
    EXPECT_EQ(events[1]["key"], 2);
    EXPECT_EQ(events[1]["id"], 77);
    EXPECT_EQ(events[1]["description"], "Every day");
}

TEST_F(ReadCommands, AnUnreadableEventIsToldByKeyAndTheOthersAreStillListed) {
    Store({Event("a", At(2025, 3, 12)), Event("b", At(2025, 3, 13)), Event("c", At(2025, 3, 14))});
    SetIndexEntry(2, 0x8000 | 0); // event 2 now links to block 0: a broken chain

    const CliResult r = Run({"--json", "list"});
    EXPECT_EQ(r.status, kExitFailure);
    EXPECT_EQ(r.err, "key 2: The library is corrupted.\n");
    const auto events = r.WantsJson()["events"];
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0]["name"], "a");
    EXPECT_EQ(events[1]["name"], "c");
}

TEST_F(ReadCommands, ShowGivesEveryFieldWithPackedWordsAndLocalInstants) {
    EventRecord e = Daily("Pills", At(2025, 3, 1, 8, 0), 15);
    e.notes = "with water";
    e.id = 77;
    e.duration = TimeAmount(0x10002);
    Store({e});

    const CliResult r = Run({"--json", "show", "1"});
    ASSERT_EQ(r.status, kExitOk) << r.err;
    const auto j = r.OrderedJson();
    const std::vector<std::string> keys{
        "key",         "id",         "name",       "notes",        "type",     "typeIndex",
        "flags",       "pattern",    "param",      "advance",      "duration", "start",
        "snoozeUntil", "lastShown",  "end",        "snoozeChoice", "sound",    "soundPause",
        "soundFile",   "windowSize", "description"};
    std::vector<std::string> got;
    for (const auto& item : j.items())
        got.push_back(item.key());
    EXPECT_EQ(got, keys);
    EXPECT_EQ(j["id"], 77);
    EXPECT_EQ(j["flags"], kRecurring);
    EXPECT_EQ(j["pattern"], 0x1100);
    EXPECT_EQ(j["advance"], 15);
    EXPECT_EQ(j["duration"], 0x10002);
    EXPECT_EQ(j["typeIndex"], -1);
    EXPECT_EQ(j["start"], "2025-03-01T08:00:00");
    EXPECT_EQ(j["snoozeUntil"], "1899-12-30T00:00:00");
    EXPECT_EQ(j["description"], "Every day");
}

TEST_F(ReadCommands, ShowInTextHasThePropertiesPageLines) {
    Store({Daily("Pills", At(2025, 3, 1, 8, 0), 15)});
    const CliResult r = Run({"show", "1"});
    ASSERT_EQ(r.status, kExitOk);
    EXPECT_NE(r.out.find("Remind:             15 minutes before start\n"), std::string::npos)
        << r.out;
    // Today's occurrence at 08:00 minus 15 minutes; now is 08:00, the reminder not yet shown.
    EXPECT_NE(r.out.find("Next reminder:      3/10/25 7:45 AM\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Recurrence:         Every day\n"), std::string::npos);
}

TEST_F(ReadCommands, ShowOfAKeyThatIsNoEventFails) {
    Store({Event("a", At(2025, 3, 12))});
    const CliResult r = Run({"show", "2"});
    EXPECT_EQ(r.status, kExitFailure);
    EXPECT_EQ(r.err, "No event has the key 2.\n");
}

TEST_F(ReadCommands, OccurrencesStepFromTheFirstOnOrAfterTheGivenDay) {
    EventRecord every3 = Event("every 3 days", At(2025, 3, 1, 9, 0));
    every3.SetPattern(kFormByDate | kKindDaily, 3);
    every3.id = 33;
    Store({every3, Event("once", At(2025, 3, 5, 10, 0))});

    CliResult r = Run({"--json", "occurrences", "1", "2025-03-02", "3"});
    ASSERT_EQ(r.status, kExitOk) << r.err;
    EXPECT_EQ(r.WantsJson(), nlohmann::json::parse(R"({"key":1,"id":33,"occurrences":[
        "2025-03-04T09:00:00","2025-03-07T09:00:00","2025-03-10T09:00:00"]})"));

    // A one-time event has its one occurrence only.
    r = Run({"--json", "occurrences", "2", "2025-03-02T12:00:00", "5"});
    EXPECT_EQ(r.WantsJson()["occurrences"], nlohmann::json::parse(R"(["2025-03-05T10:00:00"])"));
}

TEST_F(ReadCommands, DueListsTheReminderInstantAndTheWeekendShift) {
    // Day 15 of every month; 15 March 2025 is a Saturday, so on Friday the 14th the week-end
    // rule brings it forward when the option is on.
    EventRecord monthly = Event("Rent", At(2025, 1, 15, 10, 0));
    monthly.SetPattern(kFormByDate | kKindMonthly, 15 << 16 | 1);
    monthly.lastShown = At(2025, 2, 15, 10, 0);
    monthly.SetFlag(kShown, true);
    monthly.id = 10;
    EventRecord call = Event("Call", At(2025, 3, 14, 7, 0));
    call.id = 20;
    Store({monthly, call});

    CliResult r = Run({"--json", "--at", "2025-03-14T09:00:00", "due"});
    ASSERT_EQ(r.status, kExitOk) << r.err;
    EXPECT_EQ(r.WantsJson(), nlohmann::json::parse(R"({"at":"2025-03-14T09:00:00","due":[
        {"key":2,"id":20,"name":"Call","instant":"2025-03-14T07:00:00","shifted":false}]})"));
    r = Run({"--at", "2025-03-14T09:00:00", "due"});
    EXPECT_EQ(r.out, "2  id:20  3/14/25 7:00 AM  Call\n");

    // The default work week has no days off; Monday to Friday is 62.
    r = Run({"--json", "--at", "2025-03-14T09:00:00", "--check-weekend", "on", "--work-week", "62",
             "due"});
    EXPECT_EQ(
        r.WantsJson()["due"][0],
        nlohmann::json::parse(
            R"({"key":1,"id":10,"name":"Rent","instant":"2025-03-14T00:00:00","shifted":true})"));

    // The settings say the same when no option overrides them.
    settings_.Write("Calendar/CheckWeekendEvents", "true");
    settings_.Write("Calendar/WorkWeek", "62");
    r = Run({"--json", "--at", "2025-03-14T09:00:00", "due"});
    EXPECT_EQ(r.WantsJson()["due"].size(), 2u);
    // A work week that ends on Saturday makes Friday no last working day.
    r = Run({"--json", "--at", "2025-03-14T09:00:00", "--work-week", "126", "due"});
    EXPECT_EQ(r.WantsJson()["due"].size(), 1u);
}

TEST_F(ReadCommands, AgendaSortsTheDaysRemindersAndMarksTheirKind) {
    EventRecord snoozed = Event("Snoozed", At(2025, 3, 10, 7, 0));
    snoozed.SetSnooze(At(2025, 3, 10, 11, 0), AmountUnit::Hour, 4);
    std::vector<EventRecord> events{Daily("Late", At(2025, 3, 1, 18, 0)),
                                    Event("Past", At(2025, 3, 9, 7, 30)), snoozed,
                                    Event("Tomorrow", At(2025, 3, 11, 9, 0))};
    for (size_t i = 0; i < events.size(); ++i)
        events[i].id = static_cast<uint32_t>(101 + i);
    Store(events);

    CliResult r = Run({"--json", "agenda"});
    ASSERT_EQ(r.status, kExitOk) << r.err;
    EXPECT_EQ(r.WantsJson(), nlohmann::json::parse(R"({"date":"2025-03-10","reminders":[
        {"key":2,"id":102,"name":"Past","instant":"2025-03-09T07:30:00","kind":"due"},
        {"key":3,"id":103,"name":"Snoozed","instant":"2025-03-10T11:00:00","kind":"snoozed"},
        {"key":1,"id":101,"name":"Late","instant":"2025-03-10T18:00:00","kind":"normal"}]})"));

    r = Run({"--json", "agenda", "2025-03-11"});
    EXPECT_EQ(r.WantsJson()["reminders"].size(), 4u);

    r = Run({"agenda"});
    EXPECT_EQ(r.out, "2  id:102  3/9/25 7:30 AM  Past  (due)\n"
                     "3  id:103  3/10/25 11:00 AM  Snoozed  (snoozed)\n"
                     "1  id:101  3/10/25 6:00 PM  Late\n");
}

TEST_F(ReadCommands, AMissingLibraryReadsAsEmptyAndIsNotCreated) {
    CliResult r = Run({"--json", "list"});
    EXPECT_EQ(r.status, kExitOk);
    EXPECT_EQ(r.WantsJson(), nlohmann::json::parse(R"({"events":[]})"));
    r = Run({"--json", "check"});
    EXPECT_EQ(r.WantsJson(), nlohmann::json::parse(R"({"events":0,"problems":[]})"));
    r = Run({"check"});
    EXPECT_EQ(r.out, "0 events, no problems found.\n");
    EXPECT_FALSE(std::filesystem::exists(LibraryPath()));
}

// Three events: 1, 2-3 (two blocks) and 4.
class CheckCommand : public CliTest {
protected:
    void SetUp() override { Build(); }
    void Build() {
        std::filesystem::remove(LibraryPath());
        EventRecord two = Event("two", At(2025, 3, 12));
        two.notes = std::string(200, 'n');
        Store({Event("one", At(2025, 3, 11)), two, Event("three", At(2025, 3, 13))});
    }
};

TEST_F(CheckCommand, ASoundLibraryHasNoProblems) {
    const CliResult r = Run({"--json", "check"});
    EXPECT_EQ(r.status, kExitOk);
    EXPECT_EQ(r.WantsJson(), nlohmann::json::parse(R"({"events":3,"problems":[]})"));
}

TEST_F(CheckCommand, EachDamageIsToldForTheEventConcerned) {
    struct Case {
        const char* what;
        std::vector<std::pair<int, uint16_t>> entries;
        int events;
        std::vector<std::string> problems;
    };
    const Case cases[] = {
        {"broken chain",
         {{2, 0x8000 | 4}},
         3,
         {"key 2: its chain of blocks is broken at block 4.",
          "Block 3 is marked as used but belongs to no event."}},
        {"block used twice",
         {{4, 0x8000 | 3}},
         3,
         {"key 4: block 3 also belongs to another event."}},
        {"index entry past the end",
         {{4, 0x8000 | 5}, {5, 0x7FFF}},
         3,
         {"key 4: block 5 lies past the end of the file."}},
        {"first block unmarked",
         {{1, 0x7FFF}},
         2,
         {"Block 1 is marked as used but belongs to no event."}},
    };
    for (const Case& c : cases) {
        Build();
        for (auto [n, v] : c.entries)
            SetIndexEntry(n, v);
        const CliResult r = Run({"--json", "check"});
        EXPECT_EQ(r.status, kExitFailure) << c.what;
        EXPECT_EQ(r.WantsJson()["events"], c.events) << c.what;
        EXPECT_EQ(r.WantsJson()["problems"], nlohmann::json(c.problems)) << c.what << "\n" << r.out;
    }
    // The text form prints the same lines.
    const CliResult r = Run({"check"});
    EXPECT_EQ(r.out, "Block 1 is marked as used but belongs to no event.\n");
}

TEST_F(CheckCommand, AFileThatIsNoLibraryIsItsOneProblem) {
    std::ofstream(LibraryPath(), std::ios::binary | std::ios::trunc) << std::string(9000, 'x');
    const CliResult r = Run({"check"});
    EXPECT_EQ(r.status, kExitFailure);
    EXPECT_EQ(r.out, "Unexpected file format.\n");
}

} // namespace
} // namespace zm::testing
