#pragma once
// The rows of the event list as a table model: one row per event that passes the inclusion test,
// kept sorted. It follows the event store through its notices, one row at a time; only a new
// view, filter or search (and a reset of the store) fills it anew.

#include "list/list_inclusion.h"
#include "list/list_row.h"
#include "list/list_view_state.h"
#include "list/row_order.h"
#include "store/event_store.h"

#include <QAbstractTableModel>
#include <vector>

namespace zm {

struct WindowContext;

class EventListModel final : public QAbstractTableModel, public StoreListener {
    Q_OBJECT
public:
    explicit EventListModel(WindowContext& context, QObject* parent = nullptr);
    ~EventListModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    ListViewState& View() { return view_; }
    const ListViewState& View() const { return view_; }
    SortOrder Sort() const { return {view_.sortColumn, view_.sortDescending}; }

    // Empties the list and fills it from the library with every event that passes the
    // inclusion test; the failure of the walk (the rows read before it stay).
    LibraryResult Refresh();
    // Sorts the rows anew; the views keep each row's selection and focus.
    void SetSort(SortOrder order);
    // Removes the rows whose event no longer passes the inclusion test; how many went.
    int DropExcludedRows();

    const ListRow& RowAt(int row) const { return rows_[static_cast<size_t>(row)]; }
    // The row of the event stored under `key`; -1 when it is not listed.
    int RowOfKey(uint16_t key) const;
    // The text a cell shows.
    QString CellText(int row, int column) const;

    void OnStoreChange(const StoreChange& change) override;

signals:
    // A notice removed the row that had this index.
    void rowRemovedAt(int row);
    // The store changed too much to follow row by row: the list is to be filled anew.
    void refreshNeeded();

private:
    bool Include(EventRecord& event) const;
    void InsertRow(ListRow row);
    void RemoveRowAt(int row);
    // The event of `oldKey` as it is now: its row follows it, goes, or comes.
    void ReplaceRow(uint16_t oldKey, EventRecord event);

    WindowContext& context_;
    ListViewState view_;
    std::vector<ListRow> rows_;
};

} // namespace zm
