// The main window's printing commands: Print, Print Preview and Page Setup over the rows the
// list shows when the command is given.

#include "format/colour_contrast.h"
#include "print/print_rows.h"
#include "ui/common/program_dialog.h"
#include "ui/common/user_boxes.h"
#include "ui/common/window_context.h"
#include "ui/list/event_list_model.h"
#include "ui/list/event_list_view.h"
#include "ui/main/main_window.h"
#include "ui/print/print_session.h"

#include <QDate>
#include <QItemSelectionModel>
#include <QLocale>

namespace zm {

std::shared_ptr<const PrintSource> MainWindow::CopyListForPrinting() const {
    const EventListModel& model = list_->Model();
    const auto count = static_cast<size_t>(model.rowCount());
    std::vector<EventRecord> events;
    const auto selected = std::make_unique<bool[]>(count);
    for (size_t row = 0; row < count; ++row) {
        events.push_back(model.RowAt(static_cast<int>(row)).event);
        selected[row] = list_->selectionModel()->isRowSelected(static_cast<int>(row), {});
    }
    auto source = std::make_shared<PrintSource>();
    source->rows = CopyPrintRows(
        events, std::span<const bool>(selected.get(), count), context_.formats, context_.names,
        [this](int typeIndex) { return RgbFromTypeColour(context_.types.TypeColour(typeIndex)); });
    source->columns = list_->ColumnsOnScreen();
    source->timeSpan = PeriodText().toStdString();
    const DateTime now = context_.store.Now();
    source->date = QLocale()
                       .toString(QDate(now.Year(), now.Month(), now.Day()), QLocale::LongFormat)
                       .toStdString();
    return source;
}

void MainWindow::CarryPrinting(MainCommand command) {
    if (command == MainCommand::PrintPreview) return print_->Preview(CopyListForPrinting());
    if (command == MainCommand::Print) return PrintRows(CopyListForPrinting());
    const auto scope = dialogs_.TryOpen(ProgramDialog::Other);
    if (!scope) return;
    print_->PageSetup();
}

void MainWindow::PrintRows(const std::shared_ptr<const PrintSource>& source) {
    const auto scope = dialogs_.TryOpen(ProgramDialog::Other);
    if (!scope) return;
    print_->Print(source);
}

} // namespace zm
