#pragma once
// The event types and the quick reminders of the data folder, read without writing anything:
// a missing or unreadable types file gives the predefined types (as the program would make
// them), a missing or unreadable quick-reminder file an empty list. The command line never
// changes these files.

#include "store/quick/quick_list.h"
#include "store/types/type_list.h"

#include <optional>
#include <string>

namespace zm {

// Each returns what the user is told when the file is there but cannot be read (the list then
// holds the defaults): the program's words for it, the file and the cause. Nothing when the
// file was read or is missing.
std::optional<std::string> ReadTypeList(const std::string& folder, TypeList& types);
std::optional<std::string> ReadQuickList(const std::string& folder, QuickList& quick);

} // namespace zm
