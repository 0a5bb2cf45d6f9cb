#pragma once
// Printing a document: the pages of a range on a printer, one after the other, with a chance to
// cancel before each page.

#include "ui/print/print_document.h"

#include <functional>

class QPrinter;

namespace zm {

enum class PrintResult {
    Printed,
    CouldNotStart, // the document could not be begun (no printer, an unwritable file)
    Aborted,       // cancelled, or a page failed: the document is abandoned
};

// Prints pages `first` ... `last` (from 1, brought into the document's pages) on the printer.
// `beforePage(number)` is called before each page; false cancels the job.
PrintResult PrintPages(const PrintDocument& document, QPrinter& printer, int first, int last,
                       const std::function<bool(int pageNumber)>& beforePage = {});

} // namespace zm
