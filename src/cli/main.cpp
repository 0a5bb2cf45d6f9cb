// zantimore-cli: the command-line companion. Everything but the platform lives in zm_cli.

#include "cli/cli.h"
#include "cli/companion_link.h"
#include "cli/terminal_text.h"
#include "format/locale_formats.h"
#include "platform/data_folder.h"
#include "platform/local/local_socket.h"
#include "platform/local/runtime_folder.h"
#include "platform/qt/qt_locale_description.h"
#include "platform/qt/qt_locale_names.h"
#include "platform/qt/qt_settings.h"

#include <chrono>
#include <filesystem>
#include <iostream>
#include <string>
#include <unistd.h>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);

    const zm::QtSettings settings;
    const zm::LocaleFormats formats(zm::QtLocaleDescription());
    const zm::QtLocaleNames names;

    zm::CliEnvironment env;
    env.settings = &settings;
    env.now = zm::SystemNow;
    env.formats = &formats;
    env.names = &names;
    env.dataFolder = zm::DataFolder();
    env.tick = [] {
        using namespace std::chrono;
        return static_cast<uint32_t>(
            duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
    };
    // A changing command goes to the running program, which holds the library.
    const std::string socketPath = zm::PathInFolder(zm::RuntimeFolder(), zm::kInstanceSocketName);
    const zm::Exchange exchange = [&socketPath](std::string_view payload) {
        return zm::ExchangeOverSocket(socketPath, payload, std::chrono::seconds(60),
                                      zm::kMaxAnswerBytes);
    };
    std::error_code ec;
    const std::string workingFolder = std::filesystem::current_path(ec).string();
    // What reaches a terminal shows the control characters of names and notes escaped.
    const zm::EscapedStream out(std::cout, ::isatty(STDOUT_FILENO) == 1);
    const zm::EscapedStream err(std::cerr, ::isatty(STDERR_FILENO) == 1);
    return zm::RunCompanion(args, env, workingFolder, exchange, std::cout, std::cerr);
}
