#include "print/print_rows.h"

#include "list/cell_texts.h"

namespace zm {

std::vector<PrintRow> CopyPrintRows(std::span<const EventRecord> events,
                                    std::span<const bool> selected, const LocaleFormats& formats,
                                    const LocaleNames& names,
                                    const std::function<uint32_t(int typeIndex)>& typeColour) {
    std::vector<PrintRow> rows(events.size());
    for (std::size_t i = 0; i < events.size(); ++i) {
        for (int column = 0; column < kListColumnCount; ++column)
            rows[i].cells[column] = CellText(events[i], column, formats, names);
        rows[i].notes = events[i].notes;
        rows[i].colour = typeColour ? typeColour(events[i].typeIndex) : 0;
        rows[i].selected = i < selected.size() && selected[i];
    }
    return rows;
}

} // namespace zm
