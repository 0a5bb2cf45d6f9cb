#include "cli/side_lists.h"

#include "res/format_text.h"
#include "res/strings.h"
#include "store/io/side_file.h"
#include "store/quick/quick_file.h"
#include "store/types/types_file.h"

#include <vector>

namespace zm {
namespace {

// The message of a file that is there but could not be read, laid out as the program's.
std::optional<std::string> Unreadable(int text, const std::string& path, FileCause cause) {
    if (cause == FileCause::FileNotFound) return std::nullopt;
    std::string message = FormatText(text, {path});
    if (cause != FileCause::None) message += std::string("\n\n") + FileCauseText(cause);
    return message;
}

} // namespace

std::optional<std::string> ReadTypeList(const std::string& folder, TypeList& types) {
    std::vector<uint8_t> bytes;
    TypesFileContent content;
    const std::string path = SideFilePath(folder, kTypesFileName);
    if (path.empty()) {
        types.CreatePredefined();
        return std::nullopt;
    }
    const FileCause read = ReadWholeFile(path, bytes);
    if (read == FileCause::None && ParseTypesFile(bytes, types.systemColours, content)) {
        types.Assign(std::move(content.types), std::move(content.smallIcons),
                     std::move(content.largeIcons), std::move(content.filters));
        return std::nullopt;
    }
    types.CreatePredefined();
    return Unreadable(IDS_CLI_TYPES_UNREADABLE, path, read);
}

std::optional<std::string> ReadQuickList(const std::string& folder, QuickList& quick) {
    std::vector<uint8_t> bytes;
    QuickFileContent content;
    const std::string path = SideFilePath(folder, kQuickFileName);
    quick.Clear();
    if (path.empty()) return std::nullopt;
    const FileCause read = ReadWholeFile(path, bytes);
    if (read == FileCause::None && ParseQuickFile(bytes, content)) {
        quick.Assign(std::move(content.entries), std::move(content.icons));
        return std::nullopt;
    }
    return Unreadable(IDS_CLI_QUICK_UNREADABLE, path, read);
}

} // namespace zm
