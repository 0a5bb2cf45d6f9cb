#include "cli/side_lists.h"

#include "store/io/side_file.h"
#include "store/quick/quick_file.h"
#include "store/types/types_file.h"

#include <vector>

namespace zm {

void ReadTypeList(const std::string& folder, TypeList& types) {
    std::vector<uint8_t> bytes;
    TypesFileContent content;
    const std::string path = SideFilePath(folder, kTypesFileName);
    if (!path.empty() && ReadWholeFile(path, bytes) == FileCause::None &&
        ParseTypesFile(bytes, types.systemColours, content)) {
        types.Assign(std::move(content.types), std::move(content.smallIcons),
                     std::move(content.largeIcons), std::move(content.filters));
    } else {
        types.CreatePredefined();
    }
}

void ReadQuickList(const std::string& folder, QuickList& quick) {
    std::vector<uint8_t> bytes;
    QuickFileContent content;
    const std::string path = SideFilePath(folder, kQuickFileName);
    quick.Clear();
    if (!path.empty() && ReadWholeFile(path, bytes) == FileCause::None &&
        ParseQuickFile(bytes, content))
        quick.Assign(std::move(content.entries), std::move(content.icons));
}

} // namespace zm
