#pragma once
// The event list: one row per event of the viewed period (or of a search), six columns, rows
// drawn with their state and type icons in their type's colour. It follows the event store
// through its notices only; the main window around it carries out the commands.

#include "list/list_view_state.h"
#include "model/event_record.h"

#include <QTableView>
#include <optional>
#include <vector>

namespace zm {

struct WindowContext;

class EventListView final : public QTableView {
    Q_OBJECT
public:
    EventListView(WindowContext& context, QWidget* parent = nullptr);
    ~EventListView() override;

    // Leaves search mode, takes the date and mode when given, and fills the list anew from the
    // library (a library error is reported); the first row is selected and focused.
    void Refresh(std::optional<DateTime> viewDate = std::nullopt,
                 std::optional<ViewMode> mode = std::nullopt);
    // As Refresh, showing the events whose name or notes hold the text.
    void Search(const std::string& text, bool matchCase);
    // The active filter changed (selected, removed, or the filters edited): the list is rebuilt.
    void FilterChanged();
    const ListViewState& View() const;

    int RowCount() const;
    // The events of the selected rows in list order (each with its ListOccurrence).
    std::vector<EventRecord> SelectedEvents() const;
    // The focused row's event when it is selected.
    std::optional<EventRecord> FocusedSelectedEvent() const;
    // Removes the rows whose event no longer passes the inclusion test; how many went.
    int DropExcludedRows();

    // Column widths, order and sort from the settings, and back.
    void RestoreColumns();
    void SaveColumns() const;

signals:
    // The number of rows changed.
    void rowCountChanged(int rows);
    // A double click: on a row (modify it) or on no row (a new event).
    void openRequested(bool onRow);
    // The context menu at a global point; `onRow` when rows are selected.
    void contextMenuWanted(QPoint globalPos, bool onRow);
    void selectedRowsChanged();
};

} // namespace zm
