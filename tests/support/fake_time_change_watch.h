#pragma once
// A watch on the system time that reports what the test tells it, once.

#include "platform/time_change_watch.h"

namespace zm {

class FakeTimeChangeWatch final : public TimeChangeWatch {
public:
    TimeChanges next; // reported by the next Check, then cleared

    void SetClock() { next.clockSet = true; }
    void Resume() { next.resumed = true; }

    int Descriptor() const override { return -1; }
    TimeChanges Check() override {
        const TimeChanges changes = next;
        next = {};
        return changes;
    }
};

} // namespace zm
