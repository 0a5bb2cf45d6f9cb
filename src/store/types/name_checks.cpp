#include "store/types/name_checks.h"

#include "res/strings.h"
#include "store/text/no_case.h"

namespace zm {

int CheckTypeName(const TypeList& list, int editedIndex, std::string_view name,
                  std::string& trimmed) {
    trimmed = TrimBlanks(name);
    if (trimmed.empty()) return IDS_TYPE_NAME_EMPTY;
    for (size_t i = 0; i < list.TypeCount(); ++i)
        if (static_cast<int>(i) != editedIndex && NoCaseEqual(list.Types()[i].name, trimmed))
            return IDS_TYPE_NAME_EXISTS;
    return 0;
}

int CheckQuickMenuName(std::string_view name, std::string& trimmed) {
    trimmed = TrimBlanks(name);
    return trimmed.empty() ? IDS_QUICK_MENU_NAME_EMPTY : 0;
}

} // namespace zm
