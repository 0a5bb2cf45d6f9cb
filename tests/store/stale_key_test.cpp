// A key is given up when its event is rewritten, and the next event stored may take it: an
// operation by a stale key must not act on that other event.

#include "support/store_fixture.h"

#include <functional>

namespace zm::testing {
namespace {

struct StaleCase {
    const char* name;
    std::function<LibraryResult(EventStore&, uint16_t key, const EventRecord& held)> act;
};

class StaleKey : public StoreTest, public ::testing::WithParamInterface<StaleCase> {};

TEST_P(StaleKey, IsRefusedAndNothingIsWritten) {
    OpenEmpty();
    EventRecord a = OneTime(At(2024, 3, 11, 7, 0));
    a.name = "a";
    ASSERT_EQ(store_.StoreNew(a), LibraryResult::Ok);
    const EventRecord held = a; // what a window or a list row still holds
    a.name = "a, changed";
    ASSERT_EQ(store_.StoreChanged(a), LibraryResult::Ok); // a moves on; its old key is free
    EventRecord other = OneTime(At(2024, 3, 11, 7, 30));
    other.name = "other";
    ASSERT_EQ(store_.StoreNew(other), LibraryResult::Ok);
    ASSERT_EQ(other.key, held.key); // and the other event takes it

    const FileBytes before = fs_.BytesOf(kLibraryPath);
    const int writes = faults_->Writes();
    EXPECT_EQ(GetParam().act(store_, held.key, held), LibraryResult::Corrupted);
    EXPECT_EQ(faults_->Writes(), writes);
    EXPECT_EQ(fs_.BytesOf(kLibraryPath), before);
    EXPECT_EQ(Read(other.key).name, "other");
    // Nor is a key that names no first block.
    EXPECT_EQ(GetParam().act(store_, 0, held), LibraryResult::Corrupted);
}

INSTANTIATE_TEST_SUITE_P(
    EveryOperationByKey, StaleKey,
    ::testing::Values(
        StaleCase{"Delete", [](EventStore& s, uint16_t k,
                               const EventRecord& e) { return s.DeleteStored(k, e.id); }},
        StaleCase{"Remove", [](EventStore& s, uint16_t k,
                               const EventRecord& e) { return s.RemoveEvent(k, e.id); }},
        StaleCase{"Accept", [](EventStore& s, uint16_t k,
                               const EventRecord& e) { return s.AcceptStored(k, e.id); }},
        StaleCase{"AcceptDeleting",
                  [](EventStore& s, uint16_t k, const EventRecord& e) {
                      return s.AcceptStored(k, e.id, true);
                  }},
        StaleCase{"AcceptListed", [](EventStore& s, uint16_t k,
                                     const EventRecord& e) { return s.AcceptListed(k, e.id); }},
        StaleCase{"Snooze",
                  [](EventStore& s, uint16_t k, const EventRecord& e) {
                      Verdict v;
                      return s.SnoozeStored(
                          k, e.id,
                          {e.start, DateTimeSpan::Hours(1), AmountUnit::Hour, 1, std::nullopt}, v);
                  }},
        StaleCase{"Unsnooze", [](EventStore& s, uint16_t k,
                                 const EventRecord& e) { return s.UnsnoozeStored(k, e.id); }},
        StaleCase{"Change",
                  [](EventStore& s, uint16_t k, const EventRecord& e) {
                      EventRecord changed = e;
                      changed.key = k;
                      changed.name = "stale edit";
                      return s.StoreChanged(changed);
                  }},
        StaleCase{"Disable",
                  [](EventStore& s, uint16_t k, const EventRecord& e) {
                      EventRecord changed = e;
                      changed.key = k;
                      return s.SetDisabled(changed, true);
                  }}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace zm::testing
