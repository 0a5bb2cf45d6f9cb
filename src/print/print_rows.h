#pragma once
// The rows a print job takes from the list when it begins: the cell texts and notes copied, so
// reminders, ticks and quick reminders that change the list cannot reach a running job.

#include "format/locale_formats.h"
#include "model/event_record.h"
#include "platform/locale_names.h"
#include "print/pagination.h"

#include <functional>
#include <span>
#include <vector>

namespace zm {

// The events in list order; `selected[i]` tells whether the list selects event i (missing
// entries are not selected). `typeColour` gives a type's colour as 0x00RRGGBB.
std::vector<PrintRow> CopyPrintRows(std::span<const EventRecord> events,
                                    std::span<const bool> selected, const LocaleFormats& formats,
                                    const LocaleNames& names,
                                    const std::function<uint32_t(int typeIndex)>& typeColour);

} // namespace zm
