#pragma once
// The event types and the quick reminders of the data folder, read without writing anything:
// a missing or unreadable types file gives the predefined types (as the program would make
// them), a missing or unreadable quick-reminder file an empty list. The command line never
// changes these files.

#include "store/quick/quick_list.h"
#include "store/types/type_list.h"

#include <string>

namespace zm {

void ReadTypeList(const std::string& folder, TypeList& types);
void ReadQuickList(const std::string& folder, QuickList& quick);

} // namespace zm
