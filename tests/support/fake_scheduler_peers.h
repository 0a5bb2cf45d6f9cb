#pragma once
// What the scheduler talks to, recorded: the reminder windows and the frame.

#include "resident/reminder_presenter.h"
#include "resident/scheduler_host.h"

#include <deque>
#include <functional>
#include <set>
#include <vector>

namespace zm {

// Reminder windows that exist only as keys. Each Present takes the next scripted result (Shown
// when the script is empty); `onShown` may answer the window at once.
class FakePresenter final : public ReminderPresenter {
public:
    std::deque<PresentResult> script;
    std::vector<EventRecord> presented; // every event Present was called for
    std::set<uint16_t> open;            // the keys whose window is open
    std::function<void(const EventRecord&)> onShown;
    LibraryResult closeResult = LibraryResult::Ok;
    int closeCalls = 0;

    PresentResult Present(const EventRecord& event) override {
        presented.push_back(event);
        PresentResult result = PresentResult::Shown;
        if (!script.empty()) {
            result = script.front();
            script.pop_front();
        }
        if (result != PresentResult::Shown) return result;
        open.insert(event.key);
        if (onShown) onShown(event);
        return result;
    }
    bool IsOpen(uint16_t key) const override { return open.count(key) != 0; }
    LibraryResult CloseWindowsWhoseTimeIsOver() override {
        ++closeCalls;
        return closeResult;
    }
};

class RecordingHost final : public SchedulerHost {
public:
    int cannotShow = 0;
    int timerFailures = 0;
    int rebuilds = 0;
    std::vector<LibraryResult> fatal;

    void ShowCannotShowNextReminder() override { ++cannotShow; }
    void ReportTimerFailure() override { ++timerFailures; }
    void Fatal(LibraryResult code) override { fatal.push_back(code); }
    void RebuildDone() override { ++rebuilds; }
};

} // namespace zm
