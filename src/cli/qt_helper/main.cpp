// zantimore-cli-qt: what the command-line companion asks of Qt, in a program of its own so that
// the companion itself starts without loading Qt.
//   zantimore-cli-qt locale            writes the locale description in the cache's form
//   zantimore-cli-qt set KEY VALUE     stores a setting in the program's settings file
// Exits with 0 when it did what was asked.

#include "adapters/plain/locale_cache.h"
#include "adapters/qt/qt_locale_description.h"
#include "adapters/qt/qt_settings.h"

#include <cstdlib>
#include <iostream>
#include <string_view>

int main(int argc, char** argv) {
    const std::string_view command = argc > 1 ? argv[1] : "";
    if (command == "locale" && argc == 2) {
        const std::string key =
            zm::LocaleCacheKey([](const char* name) { return std::getenv(name); });
        std::cout << zm::LocaleDescriptionText(key, zm::QtLocaleDescription()) << std::flush;
        return std::cout ? 0 : 1;
    }
    if (command == "set" && argc == 4) {
        zm::QtSettings settings;
        settings.Write(argv[2], argv[3]);
        return settings.Sync() && !settings.InMemory() ? 0 : 1;
    }
    std::cerr << "usage: zantimore-cli-qt locale | set KEY VALUE\n";
    return 2;
}
