#pragma once
// Everything a program window is given, for tests: an event store on a file system in memory
// with its library open, the eleven predefined types, settings in memory, English formats and
// names, a fake work area and sound, and boxes the test answers. No reminder windows.

#include "platform/memory_settings.h"
#include "support/answering_boxes.h"
#include "support/fake_work_area.h"
#include "support/memory_file_system.h"
#include "support/recording_sound_backend.h"
#include "ui/common/window_context.h"

#include <gtest/gtest.h>

namespace zm::testing {

class WindowFixture {
public:
    explicit WindowFixture(DateTime now = DateTime::FromParts(2026, 12, 7, 9, 30))
        : now_(now), store_(StoreSetup{&fs_, [this] { return now_; }, {}, "/prog"}) {
        fs_.folders.insert("/prog");
        types_.CreatePredefined();
        store_.SetTypeLookup([this](const std::string& name) { return types_.FindType(name); });
        EXPECT_EQ(store_.OpenDefaultLibrary(), LibraryResult::Ok);
    }

    WindowContext& Context() { return context_; }
    // Stores the event and gives back its key.
    uint16_t Put(EventRecord event) {
        EXPECT_EQ(store_.StoreNew(event), LibraryResult::Ok);
        return event.key;
    }

    DateTime now_;
    MemoryFileSystem fs_;
    EventStore store_;
    TypeList types_;
    QuickList quick_;
    MemorySettings settings_;
    ProgramSettings options_;
    LocaleFormats formats_;
    EnglishLocaleNames names_;
    FakeWorkArea workArea_;
    RecordingSoundBackend sound_;
    AnsweringBoxes boxes_;
    bool typesSaved_ = false;
    bool quickSaved_ = false;
    WindowContext context_{store_,
                           types_,
                           quick_,
                           settings_,
                           options_,
                           formats_,
                           names_,
                           workArea_,
                           sound_,
                           nullptr,
                           false,
                           [this] { return typesSaved_ = true; },
                           [this] { return quickSaved_ = true; }};
};

} // namespace zm::testing
