#include "store/data_folder_preparation.h"

#include "res/format_text.h"
#include "res/strings.h"
#include "store/io/private_files.h"
#include "store/store_messages.h"

namespace zm {

DataFolderPreparation PrepareDataFolder(const std::string& folder, bool create) {
    FolderCheck check = CheckDataFolder(folder);
    if (check.access == FolderAccess::Missing) {
        if (!create) return {true, {}};
        if (CreatePrivateFolder(folder) != 0) return {false, FolderCreateErrorText(folder)};
        check = CheckDataFolder(folder);
    }
    switch (check.access) {
    case FolderAccess::Private:
        return {true, {}};
    case FolderAccess::OthersCanRead:
        return {true, FormatText(IDS_DATA_FOLDER_READABLE, {folder})};
    case FolderAccess::OthersCanWrite:
        return {false, FormatText(IDS_DATA_FOLDER_SHARED, {folder})};
    case FolderAccess::NotAFolder:
        return {false, FormatText(IDS_DATA_FOLDER_NOT_FOLDER, {folder})};
    case FolderAccess::Missing:
    case FolderAccess::Unreadable:
        break;
    }
    return {false, ReportFileError(check.systemError, folder)};
}

} // namespace zm
