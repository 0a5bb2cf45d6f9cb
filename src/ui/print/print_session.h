#pragma once
// The main window's printing: the printer kept from one job to the next, Page Setup, Print and
// Print Preview. A job copies the list's rows when it begins and lays them out after the print
// dialog, so the chosen rows, the paper and the page range all agree.

#include "ui/print/print_document.h"

#include <QPointer>
#include <climits>
#include <functional>
#include <memory>
#include <optional>

class QPrinter;
class QWidget;

namespace zm {

struct WindowContext;
class UserBoxes;

// What the print dialog gives back: only the selected rows, or a range of pages (from 1).
struct PrintChoice {
    bool selectionOnly = false;
    int first = 1;
    int last = INT_MAX;
};
// Runs the print dialog on the printer (it may change the printer, the paper and the output
// file); nothing when the user cancels.
using PrintDialogRunner = std::function<std::optional<PrintChoice>(
    QPrinter& printer, int pageCount, bool hasSelection, QWidget* parent)>;
std::optional<PrintChoice> RunQtPrintDialog(QPrinter& printer, int pageCount, bool hasSelection,
                                            QWidget* parent);
// Runs the page-setup dialog on the printer; true on OK.
using PageSetupRunner = std::function<bool(QPrinter& printer, QWidget* parent)>;
bool RunQtPageSetupDialog(QPrinter& printer, QWidget* parent);

class PrintSession final {
public:
    // `listWindow` owns the session; it is disabled while a job prints.
    PrintSession(WindowContext& context, UserBoxes& boxes, QWidget& listWindow);
    ~PrintSession();

    void Print(const std::shared_ptr<const PrintSource>& source);
    // Opens the preview window (or brings the open one up with the new rows).
    void Preview(const std::shared_ptr<const PrintSource>& source);
    void PageSetup();

    // Made when first needed: finding the default printer asks the print system.
    QPrinter& Printer();
    QWidget* PreviewWindow() const { return preview_; }

    PrintDialogRunner printDialog = RunQtPrintDialog;
    PageSetupRunner pageSetupDialog = RunQtPageSetupDialog;
    // "Print" in the preview (the preview has closed); without it the job runs at once.
    std::function<void(const std::shared_ptr<const PrintSource>& source)> printFromPreview;
    // The preferences with the Printing page alone; true on OK.
    std::function<bool(QWidget* parent)> customize;
    // Whether the locale measures in metric (the margins' units).
    bool metric;

private:
    std::unique_ptr<PrintDocument> LayOut(const std::shared_ptr<const PrintSource>& source,
                                          bool selectionOnly);

    WindowContext& context_;
    UserBoxes& boxes_;
    QWidget& listWindow_;
    std::unique_ptr<QPrinter> printer_;
    QPointer<QWidget> preview_;
};

} // namespace zm
