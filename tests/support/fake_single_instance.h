#pragma once
// A single instance that tests control: Start() says what the test set, and the test plays
// the second start or the companion.

#include "platform/single_instance.h"

namespace zm::testing {

class FakeSingleInstance final : public SingleInstance {
public:
    InstanceStart Start() override {
        ++starts;
        running = result == InstanceStart::First;
        return result;
    }
    void Stop() override { running = false; }

    // Another start asks for the main window.
    void SecondStart() {
        if (running && RestoreRequested) RestoreRequested();
    }
    // The companion sends a command; without a handler the program answers as a busy one.
    CompanionAnswer Send(const CompanionRequest& request) {
        if (CompanionRequested) return CompanionRequested(request);
        return CompanionAnswer{AnswerOutcome::Refused, 1, "", "busy\n"};
    }

    InstanceStart result = InstanceStart::First;
    int starts = 0;
    bool running = false;
};

} // namespace zm::testing
