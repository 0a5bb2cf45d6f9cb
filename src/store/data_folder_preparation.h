#pragma once
// Whether the program and the companion may use the data folder: the user's calendar stays
// private, and a folder in which another user can plant or replace files is not used at all.

#include <string>

namespace zm {

struct DataFolderPreparation {
    bool usable = false;
    // Why it cannot be used; or, when usable, a warning to give once (empty when none).
    std::string message;
};

// Refuses a folder another user can write to and anything that is not a folder; warns of a
// folder others can read. With `create`, a missing folder is created, readable and writable by
// the user only; without it a missing folder is usable (nothing is stored yet).
DataFolderPreparation PrepareDataFolder(const std::string& folder, bool create);

} // namespace zm
