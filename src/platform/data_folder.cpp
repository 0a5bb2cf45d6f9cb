#include "platform/data_folder.h"

#include <cstdlib>

namespace zm {
namespace {

bool IsSet(const char* value) {
    return value != nullptr && *value != '\0';
}

} // namespace

std::string DataFolderFrom(const char* zantimoreHome, const char* xdgDataHome, const char* home) {
    if (IsSet(zantimoreHome)) return zantimoreHome;
    // A relative XDG_DATA_HOME is invalid and is ignored, as the base-directory rules say.
    if (IsSet(xdgDataHome) && xdgDataHome[0] == '/') return PathInFolder(xdgDataHome, "zantimore");
    if (IsSet(home)) return PathInFolder(PathInFolder(home, ".local/share"), "zantimore");
    return {};
}

std::string DataFolder() {
    return DataFolderFrom(std::getenv("ZANTIMORE_HOME"), std::getenv("XDG_DATA_HOME"),
                          std::getenv("HOME"));
}

std::string PathInFolder(const std::string& folder, const std::string& name) {
    if (folder.empty() || folder.back() == '/') return folder + name;
    return folder + "/" + name;
}

} // namespace zm
