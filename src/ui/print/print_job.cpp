#include "ui/print/print_job.h"

#include <QPainter>
#include <QPrinter>
#include <algorithm>

namespace zm {

PrintResult PrintPages(const PrintDocument& document, QPrinter& printer, int first, int last,
                       const std::function<bool(int pageNumber)>& beforePage) {
    first = std::max(first, 1);
    last = std::min(last, document.PageCount());
    if (first > last) return PrintResult::Printed;
    // The page is drawn from the paper's corner; the layout keeps it inside the printable area.
    printer.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&printer)) return PrintResult::CouldNotStart;
    MapToPageUnits(painter, printer.logicalDpiX(), printer.logicalDpiY());
    for (int number = first; number <= last; ++number) {
        if ((beforePage && !beforePage(number)) || (number > first && !printer.newPage())) {
            printer.abort();
            painter.end();
            return PrintResult::Aborted;
        }
        document.DrawPage(painter, number - 1);
    }
    return painter.end() ? PrintResult::Printed : PrintResult::Aborted;
}

} // namespace zm
