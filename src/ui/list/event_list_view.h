#pragma once
// The event list: one row per event of the viewed period (or of a search), six columns, rows
// drawn with their state and type icons in their type's colour. It follows the event store
// through its notices only; the main window around it carries out the commands.

#include "list/column_fit.h"
#include "list/column_settings.h"
#include "list/list_view_state.h"
#include "model/event_record.h"

#include <QTableView>
#include <optional>
#include <vector>

namespace zm {

struct WindowContext;
class UserBoxes;
class EventListModel;
class EventRowDelegate;

class EventListView final : public QTableView {
    Q_OBJECT
public:
    EventListView(WindowContext& context, QWidget* parent = nullptr);
    // The same, reporting library errors through the boxes.
    EventListView(WindowContext& context, UserBoxes& boxes, QWidget* parent = nullptr);
    ~EventListView() override;

    // The rows, for the main window's commands and for tests.
    const EventListModel& Model() const { return *model_; }
    // A click on the header of `column`: ascending, or descending when it already sorts
    // ascending; each row keeps its selection and focus.
    void SortByHeader(int column);

    // Leaves search mode, takes the date and mode when given, and fills the list anew from the
    // library (a library error is reported); the first row is selected and focused.
    void Refresh(std::optional<DateTime> viewDate = std::nullopt,
                 std::optional<ViewMode> mode = std::nullopt);
    // As Refresh, showing the events whose name or notes hold the text.
    void Search(const std::string& text, bool matchCase);
    // The active filter changed (selected, removed, or the filters edited): the list leaves
    // search mode and is rebuilt.
    void FilterChanged();
    // Takes the view date without filling the list (while it shows search results).
    void KeepViewDate(DateTime viewDate);
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
    // The columns' widths and order as they stand, with the sort.
    ColumnLayout ColumnsOnScreen() const;
    // Which column widths are the user's (a dragged divider); the others follow their content.
    const ColumnFitter& Fitter() const { return fitter_; }

signals:
    // The number of rows changed.
    void rowCountChanged(int rows);
    // A double click: on a row (modify it) or on no row (a new event).
    void openRequested(bool onRow);
    // The context menu at a global point; `onRow` when rows are selected.
    void contextMenuWanted(QPoint globalPos, bool onRow);
    void selectedRowsChanged();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void Fill();
    void ShowSortIndicator();
    // A double-clicked divider: the column takes its content's width as the user's own.
    void FitColumn(int column);
    int NeededWidth(int column) const;
    // Measures what each column's title and texts need, then fits the columns.
    void MeasureColumns();
    // Fits the columns to the measured needs and the list's width.
    void FitColumns();
    // Sets a width without taking it for the user's.
    void SetWidth(int column, int width);
    void SectionResized(int column);
    void FocusRowAt(int row);

    WindowContext& context_;
    UserBoxes* boxes_ = nullptr;
    EventListModel* model_ = nullptr;
    EventRowDelegate* delegate_ = nullptr;
    ColumnFitter fitter_;
    ColumnWidths needed_ = kDefaultColumnWidths;
    bool settingWidths_ = false;
};

} // namespace zm
