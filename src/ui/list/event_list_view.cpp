#include "ui/list/event_list_view.h"

#include "ui/common/window_context.h"

namespace zm {

// An empty list until the list model lands.
EventListView::EventListView(WindowContext&, QWidget* parent) : QTableView(parent) {}
EventListView::~EventListView() = default;

void EventListView::Refresh(std::optional<DateTime>, std::optional<ViewMode>) {}
void EventListView::Search(const std::string&, bool) {}
void EventListView::FilterChanged() {}
const ListViewState& EventListView::View() const {
    static const ListViewState state;
    return state;
}
int EventListView::RowCount() const {
    return 0;
}
std::vector<EventRecord> EventListView::SelectedEvents() const {
    return {};
}
std::optional<EventRecord> EventListView::FocusedSelectedEvent() const {
    return std::nullopt;
}
int EventListView::DropExcludedRows() {
    return 0;
}
void EventListView::RestoreColumns() {}
void EventListView::SaveColumns() const {}

} // namespace zm
