#pragma once
// The running program's side of the companion, for tests: an event store holding the library
// of a data folder (with the writer lock, as the program does), its types and quick
// reminders, a list view standing for the main window, and the environment the companion's
// commands run in there.

#include "cli/cli.h"
#include "cli/hosted_store.h"
#include "cli/side_lists.h"
#include "format/locale_formats.h"
#include "platform/data_folder.h"
#include "platform/locale_names.h"
#include "platform/memory_settings.h"
#include "platform/setting_table.h"
#include "store/event_store.h"

#include <string>
#include <vector>

namespace zm::testing {

// What the main window's list heard.
struct HeardList final : EventListView {
    void insertItem(const EventRecord& e) override { heard.push_back("insert " + e.Name); }
    void replaceItem(uint16_t, const EventRecord& e) override {
        heard.push_back("replace " + e.Name);
    }
    void removeItem(uint16_t key) override { heard.push_back("remove " + std::to_string(key)); }
    std::vector<std::string> heard;
};

struct HostedProgram {
    HostedProgram(const std::string& folder, DateTime at) : now(at), store(Setup(folder)) {
        ReadTypeList(folder, types);
        ReadQuickList(folder, quick);
        store.setTypeLookup([this](const std::string& name) { return types.findType(name); });
        store.library().setIdSource([this] { return now; }, [] { return 4242u; });
        store.setEventListView(&list);
        opened = store.openLibrary(PathInFolder(folder, "Zantimo.VR0"));
        host = {&store, &types, &quick};
        env.settings = &settings;
        env.now = [this] { return now; };
        env.formats = &formats;
        env.names = &names;
        env.dataFolder = folder;
        env.tick = [] { return 4242u; };
        env.host = &host;
        // The program's calendar settings are the ones the companion reads.
        week.WorkWeek = static_cast<uint8_t>(ReadInt(settings, SettingId::WorkWeek));
        week.CheckWeekendEvents = ReadBool(settings, SettingId::CheckWeekendEvents);
    }

    StoreSetup Setup(const std::string& folder) {
        StoreSetup setup;
        setup.now = [this] { return now; };
        setup.week = &week;
        setup.programFolder = folder;
        return setup;
    }

    DateTime now;
    WeekSettings week;
    EventStore store;
    TypeList types;
    QuickList quick;
    HeardList list;
    LibraryResult opened = 0;
    HostedStore host;
    MemorySettings settings;
    LocaleFormats formats;
    EnglishLocaleNames names;
    CliEnvironment env;
};

} // namespace zm::testing
