// The commands on the selected events, over a store in memory: questions, loops that stop at
// the first failure, the filter warning, and the clipboard.

#include "support/event_builders.h"
#include "support/window_fixture.h"
#include "ui/list/clipboard_data.h"
#include "ui/main/event_commands.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QWidget>
#include <gtest/gtest.h>

namespace zm::testing {
namespace {

class FakeSelection final : public ListSelection {
public:
    std::vector<EventRecord> SelectedEvents() const override { return selected; }
    std::optional<EventRecord> FocusedSelectedEvent() const override {
        if (selected.empty()) return std::nullopt;
        return selected.front();
    }
    const ListViewState& View() const override { return view; }
    int DropExcludedRows() override { return dropped; }
    QWidget& Widget() override { return widget; }

    std::vector<EventRecord> selected;
    ListViewState view;
    int dropped = 0;
    QWidget widget;
};

class EventCommandsTest : public ::testing::Test {
protected:
    EventRecord Stored(const std::string& name, DateTime start, uint32_t flags = 0) {
        EventRecord e = OneTime(start);
        e.name = name;
        e.flags |= flags;
        e.typeName = "Call";
        // As the list holds it: read back with its key and Id.
        ReadResult<EventRecord> read = rig.store_.ReadStored(rig.Put(e));
        EXPECT_TRUE(read.Ok());
        return read.Ok() ? std::move(read).Value() : e;
    }
    std::vector<EventRecord> AllStored() {
        std::vector<EventRecord> events;
        EXPECT_EQ(rig.store_.ForEachStored([&](uint16_t key) {
            ReadResult<EventRecord> read = rig.store_.ReadStored(key);
            if (read.Ok()) events.push_back(std::move(read).Value());
            return LibraryResult::Ok;
        }),
                  LibraryResult::Ok);
        return events;
    }
    int StoredCount() { return static_cast<int>(AllStored().size()); }

    WindowFixture rig;
    FakeSelection list;
    EventCommands commands{rig.Context(), rig.boxes_, list, nullptr};
};

TEST_F(EventCommandsTest, DeleteAsksAndStopsAtTheFirstFailure) {
    const EventRecord a = Stored("Dentist", At(2026, 12, 8, 10));
    EventRecord stale = Stored("Call mum", At(2026, 12, 8, 11));
    const EventRecord c = Stored("Gym", At(2026, 12, 8, 12));
    list.selected = {a};
    commands.Delete();
    EXPECT_EQ(rig.boxes_.LastText(), "Are you sure you want to delete 'Dentist' event?");
    EXPECT_EQ(StoredCount(), 3); // answered No

    stale.id ^= 1; // the list's copy no longer matches the stored event
    list.selected = {a, stale, c};
    rig.boxes_.Answer(BoxAnswer::Yes);
    commands.Delete();
    EXPECT_EQ(rig.boxes_.LastText(), "Are you sure you want to delete these 3 events?");
    ASSERT_EQ(rig.boxes_.errors.size(), 1u);
    EXPECT_EQ(rig.boxes_.errors[0], LibraryResult::Corrupted);
    EXPECT_EQ(StoredCount(), 2); // the first went, the third stayed

    list.selected.clear();
    commands.Delete();
    EXPECT_EQ(rig.boxes_.beeps, 1);
}

TEST_F(EventCommandsTest, ChangeTypeWarnsWhenTheFilterHidesRows) {
    const EventRecord a = Stored("Dentist", At(2026, 12, 8, 10));
    const EventRecord b = Stored("Gym", At(2026, 12, 8, 12));
    list.selected = {a, b};
    const int meeting = rig.types_.FindType("Meeting");
    rig.boxes_.Answer(BoxAnswer::Yes);
    list.dropped = 2;
    commands.ChangeType(meeting);
    ASSERT_EQ(rig.boxes_.shown.size(), 2u);
    EXPECT_EQ(rig.boxes_.shown[0].text,
              "Do you want to change type of the selected events to 'Meeting' ?");
    EXPECT_EQ(rig.boxes_.shown[1].text,
              "Attention ! Some events will not be shown because filtering is on.");
    int meetings = 0;
    for (const EventRecord& e : AllStored())
        meetings += e.typeName == "Meeting";
    EXPECT_EQ(meetings, 2);

    // Nothing hidden: no warning.
    list.dropped = 0;
    rig.boxes_.shown.clear();
    rig.boxes_.Answer(BoxAnswer::Yes);
    commands.ChangeType(rig.types_.FindType("Call"));
    EXPECT_EQ(rig.boxes_.shown.size(), 1u);
}

TEST_F(EventCommandsTest, EnableDisableAcceptAndPurgeGoThroughTheStore) {
    const EventRecord a = Stored("Dentist", At(2026, 12, 8, 10));
    list.selected = {a};
    commands.SetDisabled(true);
    std::vector<EventRecord> stored = AllStored(); // rewritten under a new key
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_TRUE(stored[0].Has(kDisabled));
    list.selected = stored;
    commands.SetDisabled(false);
    EXPECT_FALSE(AllStored()[0].Has(kDisabled));

    const EventRecord due = Stored("Call back", At(2026, 12, 7, 9));
    list.selected = {due};
    commands.Accept();
    rig.boxes_.Answer(BoxAnswer::Yes);
    commands.Purge();
    EXPECT_EQ(rig.boxes_.LastText(), "Are you sure you want to delete accepted events?");
    EXPECT_EQ(StoredCount(), 1);
    EXPECT_TRUE(rig.boxes_.errors.empty());
}

TEST_F(EventCommandsTest, PasteIntoYesterdaysDayViewAcceptsTheCopy) {
    const EventRecord a = Stored("Dentist", At(2026, 12, 20, 14, 30));
    list.selected = {a};
    list.view.mode = ViewMode::Day;
    list.view.viewDate = At(2026, 12, 20);
    commands.Copy();
    const QMimeData* data = QApplication::clipboard()->mimeData();
    ASSERT_TRUE(HoldsEvents(data));
    EXPECT_TRUE(data->text().startsWith("Dentist\t"));
    EXPECT_TRUE(data->text().endsWith("\tCall\t\r\n"));

    list.view.viewDate = At(2026, 12, 6);
    commands.Paste();
    EXPECT_TRUE(rig.boxes_.errors.empty());
    const std::vector<EventRecord> stored = AllStored();
    ASSERT_EQ(stored.size(), 2u);
    const EventRecord& pasted = stored[0].key == a.key ? stored[1] : stored[0];
    EXPECT_EQ(pasted.start, At(2026, 12, 6, 14, 30));
    EXPECT_TRUE(pasted.Has(kAccepted));
    EXPECT_NE(pasted.id, a.id);

    // Data of the private type that are not events: a library error, nothing stored.
    auto* junk = new QMimeData;
    junk->setData(kTransferMimeType, QByteArray("\5\0\0\0garbage", 11));
    QApplication::clipboard()->setMimeData(junk);
    commands.Paste();
    ASSERT_EQ(rig.boxes_.errors.size(), 1u);
    EXPECT_EQ(rig.boxes_.errors[0], LibraryResult::Corrupted);
    EXPECT_EQ(StoredCount(), 2);
}

TEST_F(EventCommandsTest, PastedEventsTheFilterHidesAreFollowedByTheWarning) {
    const EventRecord call = Stored("Call mum", At(2026, 12, 20, 14, 30));
    list.selected = {call};
    list.view.mode = ViewMode::Day;
    list.view.viewDate = At(2026, 12, 20);
    commands.Copy();
    rig.types_.Filters().push_back({kFilterShowAccepted, "Work", {"Meeting"}});
    rig.types_.Filters().push_back({kFilterShowAccepted, "Phone", {"Call"}});
    const QString warning = "Attention ! Some events will not be shown because filtering is on.";
    struct Case {
        const char* filter; // empty: none
        bool searching;
        bool warned;
    };
    const Case cases[] = {
        {"", false, false},
        {"Work", false, true},
        {"Phone", false, false},
        {"Work", true, false}, // a search lists every event
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(rig.types_.SelectFilter(c.filter) || *c.filter == '\0');
        list.view.filterActive = *c.filter != '\0';
        list.view.searching = c.searching;
        rig.boxes_.shown.clear();
        commands.Paste();
        EXPECT_TRUE(rig.boxes_.errors.empty());
        EXPECT_EQ(rig.boxes_.LastText(), c.warned ? warning : QString()) << c.filter;
    }
}

} // namespace
} // namespace zm::testing
