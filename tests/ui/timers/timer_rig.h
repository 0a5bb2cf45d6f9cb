#pragma once
// What the timer windows are given in a test: settings in memory, English formats, a 1920 x
// 1040 work area, a recording sound backend, a tick counter the test moves, a fixed "now", and
// boxes that record their texts with the sounds asked for until they came up.

#include "platform/memory_settings.h"
#include "support/fake_ticks.h"
#include "support/fake_work_area.h"
#include "support/recording_sound_backend.h"
#include "ui/timers/timer_environment.h"

#include <QString>
#include <functional>
#include <vector>

namespace zm::testing {

class RecordingBoxes final : public UserBoxes {
public:
    explicit RecordingBoxes(const RecordingSoundBackend& sound) : sound_(sound) {}
    void Tell(QWidget*, const QString& text, BoxIcon) override {
        texts.push_back(text);
        callsBeforeBox = sound_.calls.size();
        if (whileShown) whileShown();
    }
    bool AskYesNo(QWidget*, const QString& text, BoxIcon) override {
        texts.push_back(text);
        return false;
    }
    BoxAnswer AskYesNoCancel(QWidget*, const QString& text, BoxIcon) override {
        texts.push_back(text);
        return BoxAnswer::Cancel;
    }
    void ReportLibraryError(QWidget*, LibraryResult) override {}
    void Beep() override {}

    std::vector<QString> texts;
    size_t callsBeforeBox = 0;
    std::function<void()> whileShown; // what happens while the box is up

private:
    const RecordingSoundBackend& sound_;
};

struct TimerRig {
    MemorySettings settings;
    LocaleFormats formats;
    FakeWorkArea workArea;
    RecordingSoundBackend sound;
    RecordingBoxes boxes{sound};
    FakeTicks ticks;
    TimerEnvironment env{settings, formats, workArea, sound, boxes, ticks, [] {
                             return DateTime::FromParts(2026, 12, 7, 15, 45);
                         }};
};

} // namespace zm::testing
