#pragma once
// Where the data files (the event library, the types and the quick reminders) are kept.

#include <string>

namespace zm {

// The data folder for the given environment values (null or empty = not set):
// ZANTIMORE_HOME when set; else XDG_DATA_HOME/zantimore when that is an absolute path; else
// HOME/.local/share/zantimore. Empty when none of them gives a folder.
std::string DataFolderFrom(const char* zantimoreHome, const char* xdgDataHome, const char* home);

// The data folder of this process's environment; empty when it cannot be determined.
std::string DataFolder();

// A file of a folder: the folder, a slash unless it ends with one, and the name.
std::string PathInFolder(const std::string& folder, const std::string& name);

} // namespace zm
