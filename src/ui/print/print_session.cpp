#include "ui/print/print_session.h"

#include "res/format_text.h"
#include "res/strings.h"
#include "ui/common/ui_text.h"
#include "ui/common/user_boxes.h"
#include "ui/common/window_context.h"
#include "ui/print/page_setup.h"
#include "ui/print/print_job.h"
#include "ui/print/print_preview_window.h"
#include "ui/print/print_status_dialog.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>

namespace zm {
namespace {

QString PortLine(const QPrinter& printer) {
    if (!printer.outputFileName().isEmpty())
        return QString::fromStdString(FormatText(
            IDS_PRINT_TO_FILE, {QFileInfo(printer.outputFileName()).fileName().toStdString()}));
    return QString::fromStdString(
        FormatText(IDS_PRINT_ON_PORT, {printer.printerName().toStdString()}));
}

} // namespace

std::optional<PrintChoice> RunQtPrintDialog(QPrinter& printer, int pageCount, bool hasSelection,
                                            QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintToFile);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, hasSelection);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setMinMax(1, std::max(pageCount, 1));
    printer.setPrintRange(QPrinter::AllPages);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    PrintChoice choice;
    choice.selectionOnly = printer.printRange() == QPrinter::Selection;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        choice.first = printer.fromPage();
        choice.last = printer.toPage();
    }
    // The range was taken here; the printer itself prints whatever it is given.
    printer.setPrintRange(QPrinter::AllPages);
    printer.setFromTo(0, 0);
    return choice;
}

bool RunQtPageSetupDialog(QPrinter& printer, QWidget* parent) {
    QPageSetupDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

PrintSession::PrintSession(WindowContext& context, UserBoxes& boxes, QWidget& listWindow)
    : metric(QLocale().measurementSystem() == QLocale::MetricSystem), context_(context),
      boxes_(boxes), listWindow_(listWindow) {}

PrintSession::~PrintSession() {
    delete preview_.data();
}

QPrinter& PrintSession::Printer() {
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

std::unique_ptr<PrintDocument>
PrintSession::LayOut(const std::shared_ptr<const PrintSource>& source, bool selectionOnly) {
    return std::make_unique<PrintDocument>(source, context_.settings, metric,
                                           GeometryOf(Printer().pageLayout()), selectionOnly);
}

void PrintSession::Print(const std::shared_ptr<const PrintSource>& source) {
    const bool hasSelection = std::any_of(source->rows.begin(), source->rows.end(),
                                          [](const PrintRow& r) { return r.selected; });
    QPrinter& printer = Printer();
    const PaperGeometry offered = GeometryOf(printer.pageLayout());
    std::unique_ptr<PrintDocument> document = LayOut(source, false);
    const std::optional<PrintChoice> choice =
        printDialog(printer, document->PageCount(), hasSelection, &listWindow_);
    if (!choice) return;
    // Laid out again when the dialog chose the selection or another paper.
    if (choice->selectionOnly || GeometryOf(printer.pageLayout()) != offered)
        document = LayOut(source, choice->selectionOnly);

    PrintStatusDialog status(listWindow_.windowTitle(), printer.printerName(), PortLine(printer),
                             &listWindow_);
    status.show();
    listWindow_.setEnabled(false);
    status.setEnabled(true);
    const PrintResult result =
        PrintPages(*document, printer, choice->first, choice->last, [&status](int page) {
            status.ShowPage(page);
            QCoreApplication::processEvents();
            return !status.Cancelled();
        });
    listWindow_.setEnabled(true);
    status.hide();
    if (result == PrintResult::CouldNotStart)
        boxes_.Tell(&listWindow_, Text(IDS_PRINT_CANNOT_START), BoxIcon::Error);
}

void PrintSession::PageSetup() {
    QPrinter& printer = Printer();
    QPageLayout layout = printer.pageLayout();
    layout.setUnits(DialogUnit(metric));
    layout.setMode(QPageLayout::FullPageMode);
    layout.setMargins(DialogMargins(ReadPageMargins(context_.settings, metric), metric));
    printer.setPageLayout(layout);
    if (!pageSetupDialog(printer, &listWindow_)) return;
    const QMarginsF chosen = printer.pageLayout().margins(DialogUnit(metric));
    WritePageMargins(context_.settings, MarginsFromDialog(chosen, metric), metric);
}

void PrintSession::Preview(const std::shared_ptr<const PrintSource>& source) {
    // The open preview keeps the rows it began with; a new command begins a new one.
    if (preview_) preview_->close();
    auto* window = new PrintPreviewWindow(
        context_.settings, [this, source] { return LayOut(source, false); }, &listWindow_);
    window->print = [this, source] {
        if (printFromPreview) return printFromPreview(source);
        Print(source);
    };
    window->customize = [this](QWidget* parent) { return customize && customize(parent); };
    preview_ = window;
    window->show();
    window->activateWindow();
}

} // namespace zm
