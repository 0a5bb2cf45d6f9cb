#pragma once
// The running program's side of the companion, for tests: an event store holding the library
// of a data folder (with the writer lock, as the program does), its types and quick
// reminders, a list view standing for the main window, and the environment the companion's
// commands run in there.

#include "cli/cli.h"
#include "cli/hosted_store.h"
#include "cli/side_lists.h"
#include "format/locale_formats.h"
#include "model/week_settings.h"
#include "platform/data_folder.h"
#include "platform/locale_names.h"
#include "platform/memory_settings.h"
#include "platform/setting_table.h"
#include "store/event_store.h"
#include "store/store_change.h"

#include <string>
#include <vector>

namespace zm::testing {

// What the main window's list heard.
struct HeardList final : StoreListener {
    void OnStoreChange(const StoreChange& change) override {
        switch (change.kind) {
        case StoreChangeKind::Added:
            heard.push_back("insert " + change.event->name);
            return;
        case StoreChangeKind::Deleted:
        case StoreChangeKind::Purged:
            heard.push_back("remove " + std::to_string(change.oldKey));
            return;
        case StoreChangeKind::LeftPending:
        case StoreChangeKind::PendingRebuilt:
        case StoreChangeKind::Reset:
            return;
        default:
            heard.push_back("replace " + change.event->name);
            return;
        }
    }
    std::vector<std::string> heard;
};

struct HostedProgram {
    HostedProgram(const std::string& folder, DateTime at) : now(at), store(Setup(folder)) {
        ReadTypeList(folder, types);
        ReadQuickList(folder, quick);
        store.SetTypeLookup([this](const std::string& name) { return types.FindType(name); });
        store.SetIdTick([] { return 4242u; });
        store.AddListener(list);
        opened = store.OpenLibrary(PathInFolder(folder, "Zantimo.VR0"));
        host = {&store, &types, &quick, {}};
        env.settings = &settings;
        env.now = [this] { return now; };
        env.formats = &formats;
        env.names = &names;
        env.dataFolder = folder;
        env.tick = [] { return 4242u; };
        env.host = &host;
    }

    StoreSetup Setup(const std::string& folder) {
        StoreSetup setup;
        setup.now = [this] { return now; };
        setup.week = ReadWeekSettings(settings);
        setup.programFolder = folder;
        return setup;
    }

    DateTime now;
    MemorySettings settings;
    EventStore store;
    TypeList types;
    QuickList quick;
    HeardList list;
    LibraryResult opened = LibraryResult::Ok;
    HostedStore host;
    LocaleFormats formats;
    EnglishLocaleNames names;
    CliEnvironment env;
};

} // namespace zm::testing
