#pragma once
// A scheduler over an event store in memory, driven by fake timers on a fake timeline, with fake
// reminder windows and frame. The program can be ended and started again over the same library.

#include "resident/scheduler.h"
#include "store/event_store.h"
#include "support/fake_scheduler_peers.h"
#include "support/fake_scheduler_timer.h"
#include "support/memory_file_system.h"

#include <memory>
#include <string>

namespace zm {

class SchedulerRig {
public:
    explicit SchedulerRig(DateTime start, WeekSettings week = {0x3E, false})
        : timeline(start), week_(week) {
        files.folders.insert(kFolder);
        OpenStore();
    }

    // One run of the program: its store, the frame's timers and the scheduler.
    struct Run {
        Run(SchedulerRig& rig)
            : store(StoreSetup{&rig.files, [&rig] { return rig.timeline.Now(); }, rig.week_,
                               kFolder}),
              startupDelay(rig.timeline), tick(rig.timeline), nextDue(rig.timeline),
              scheduler(store, rig.presenter, rig.host, {startupDelay, tick, nextDue}) {}
        EventStore store;
        FakeSchedulerTimer startupDelay;
        FakeSchedulerTimer tick;
        FakeSchedulerTimer nextDue;
        Scheduler scheduler;
    };

    // Opens the library of a program that is not running: its scheduler is there to be set up.
    void Open() {
        if (!run_) OpenStore();
    }
    // Starts the program: opens the library, the start check, the start-up delay.
    LibraryResult Start(std::chrono::minutes delay = std::chrono::minutes(1)) {
        Open();
        return run_->scheduler.Start(delay);
    }
    // Ends the program: the scheduler stops and the library closes.
    void End() {
        if (!run_) return;
        run_->scheduler.Stop();
        run_.reset();
    }

    EventStore& Store() { return run_->store; }
    Scheduler& Sched() { return run_->scheduler; }
    Run& Program() { return *run_; }
    bool Running() const { return run_ != nullptr; }

    FakeTimeline timeline;
    MemoryFileSystem files;
    FakePresenter presenter;
    RecordingHost host;

private:
    static inline const std::string kFolder = "/prog";

    void OpenStore() {
        run_ = std::make_unique<Run>(*this);
        const LibraryResult rc = run_->store.OpenDefaultLibrary();
        (void)rc;
    }

    WeekSettings week_;
    std::unique_ptr<Run> run_;
};

} // namespace zm
