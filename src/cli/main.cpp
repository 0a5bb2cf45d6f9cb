// zantimore-cli: the command-line companion. Everything but the platform lives in zm_cli.

#include "adapters/local/local_socket.h"
#include "adapters/local/runtime_folder.h"
#include "adapters/plain/description_names.h"
#include "adapters/plain/helper_program.h"
#include "adapters/plain/locale_cache.h"
#include "adapters/plain/settings_file.h"
#include "cli/cli.h"
#include "cli/companion_link.h"
#include "cli/terminal_text.h"
#include "format/locale_formats.h"
#include "platform/data_folder.h"
#include "res/format_text.h"
#include "res/strings.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// What needs Qt is asked of a helper program beside this one, so that this process starts
// without loading Qt: the locale description once per locale (then cached), setting writes.
constexpr const char* kQtHelperName = "/zantimore-cli-qt";
constexpr std::size_t kMaxHelperOutput = 64 * 1024;
// The note of changes sent to the running program whose outcome was not learnt, beside its
// socket.
constexpr const char* kUnansweredNoteName = "unanswered-requests";

std::optional<std::string> AskQtHelper(const std::vector<std::string>& args) {
    const std::string folder = zm::ProgramFolder();
    if (folder.empty()) return std::nullopt;
    return zm::RunHelperProgram(folder + kQtHelperName, args, kMaxHelperOutput);
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);

    const zm::FileSettings settings(
        zm::ProgramSettingsFiles(),
        [](std::string_view key, std::string_view value) {
            return AskQtHelper({"set", std::string(key), std::string(value)}).has_value();
        },
        [](const std::string& path, zm::SmallFileState) {
            std::cerr << "zantimore-cli: " << zm::FormatText(zm::IDS_SETTINGS_NOT_READ, {path})
                      << '\n';
        });
    const zm::LocaleDescription locale = zm::CachedLocaleDescription(
        [](const char* name) -> const char* { return std::getenv(name); },
        [] { return AskQtHelper({"locale"}); },
        [](const std::string& path) {
            std::cerr << "zantimore-cli: " << zm::FormatText(zm::IDS_LOCALE_CACHE_NOT_READ, {path})
                      << '\n';
        });
    const zm::LocaleFormats formats(locale);
    const zm::DescriptionLocaleNames names(locale);

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
    const std::string runtimeFolder = zm::RuntimeFolder();
    const std::string socketPath = zm::PathInFolder(runtimeFolder, zm::kInstanceSocketName);
    const zm::RequestJournal journal(runtimeFolder.empty()
                                         ? std::string()
                                         : zm::PathInFolder(runtimeFolder, kUnansweredNoteName));
    const zm::Exchange exchange = [&socketPath](std::string_view payload) {
        return zm::ExchangeOverSocket(socketPath, payload, std::chrono::seconds(60),
                                      zm::kMaxAnswerBytes);
    };
    std::error_code ec;
    const std::string workingFolder = std::filesystem::current_path(ec).string();
    // What reaches a terminal shows the control characters of names and notes escaped.
    const zm::EscapedStream out(std::cout, ::isatty(STDOUT_FILENO) == 1);
    const zm::EscapedStream err(std::cerr, ::isatty(STDERR_FILENO) == 1);
    return zm::RunCompanion(args, env, workingFolder, exchange, std::cout, std::cerr, &journal);
}
