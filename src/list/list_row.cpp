#include "list/list_row.h"

#include "model/describe.h"
#include "store/text/no_case.h"

#include <charconv>

namespace zm {

ListRow MakeListRow(EventRecord event) {
    ListRow row;
    row.nameKey = NoCaseKey(event.name);
    row.typeKey = NoCaseKey(event.typeName);
    const std::string age = AgeAt(event, event.listOccurrence);
    int years = 0;
    const auto [end, ec] = std::from_chars(age.data(), age.data() + age.size(), years);
    if (ec == std::errc() && end == age.data() + age.size() && !age.empty()) row.age = years;
    row.event = std::move(event);
    return row;
}

} // namespace zm
