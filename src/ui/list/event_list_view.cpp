#include "ui/list/event_list_view.h"

#include "list/cell_texts.h"
#include "list/column_settings.h"
#include "list/list_inclusion.h"
#include "res/strings.h"
#include "ui/common/ui_text.h"
#include "ui/common/user_boxes.h"
#include "ui/common/window_context.h"
#include "ui/list/event_list_model.h"
#include "ui/list/event_row_delegate.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <algorithm>
#include <utility>

namespace zm {

EventListView::EventListView(WindowContext& context, QWidget* parent)
    : QTableView(parent), context_(context) {
    model_ = new EventListModel(context_, this);
    setModel(model_);
    delegate_ = new EventRowDelegate(*model_, context_, *horizontalHeader(), this);
    setItemDelegate(delegate_);

    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Rows are chosen whole: Tab leaves the list for the window's next control instead of
    // moving between the cells of a row.
    setTabKeyNavigation(false);
    setShowGrid(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setAccessibleName(Text(IDS_LIST_ACCESSIBLE_NAME));
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(
        std::max(kIconSlotWidth + 2, fontMetrics().height() + 3));

    QHeaderView* header = horizontalHeader();
    header->setSectionsMovable(true);
    header->setSectionsClickable(true);
    header->setHighlightSections(false);
    header->setStretchLastSection(false);
    header->setSortIndicatorShown(true);
    header->setContextMenuPolicy(Qt::PreventContextMenu);
    header->setDefaultAlignment((context_.rightToLeft ? Qt::AlignRight : Qt::AlignLeft) |
                                Qt::AlignVCenter);
    for (int c = 0; c < kListColumnCount; ++c)
        SetWidth(c, kDefaultColumnWidths[c]);
    disconnect(header, &QHeaderView::sectionHandleDoubleClicked, this, nullptr);
    connect(header, &QHeaderView::sectionHandleDoubleClicked, this, &EventListView::FitColumn);
    connect(header, &QHeaderView::sectionClicked, this, &EventListView::SortByHeader);
    connect(header, &QHeaderView::sectionResized, viewport(), qOverload<>(&QWidget::update));
    connect(header, &QHeaderView::sectionMoved, viewport(), qOverload<>(&QWidget::update));
    connect(header, &QHeaderView::sectionResized, this, &EventListView::SectionResized);
    // The first column holds the icons: a move changes what the columns need.
    connect(header, &QHeaderView::sectionMoved, this, &EventListView::MeasureColumns);
    ShowSortIndicator();

    auto countChanged = [this] { emit rowCountChanged(RowCount()); };
    connect(model_, &QAbstractItemModel::rowsInserted, this, countChanged);
    connect(model_, &QAbstractItemModel::rowsRemoved, this, countChanged);
    connect(model_, &QAbstractItemModel::modelReset, this, countChanged);
    // What the columns need follows the rows.
    connect(model_, &QAbstractItemModel::modelReset, this, &EventListView::MeasureColumns);
    connect(model_, &QAbstractItemModel::layoutChanged, this, &EventListView::MeasureColumns);
    connect(model_, &QAbstractItemModel::rowsInserted, this, &EventListView::MeasureColumns);
    connect(model_, &QAbstractItemModel::rowsRemoved, this, &EventListView::MeasureColumns);
    connect(model_, &QAbstractItemModel::dataChanged, this, &EventListView::MeasureColumns);
    connect(model_, &EventListModel::rowRemovedAt, this, &EventListView::FocusRowAt);
    connect(model_, &EventListModel::refreshNeeded, this, &EventListView::Fill);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &EventListView::selectedRowsChanged);
}

EventListView::EventListView(WindowContext& context, UserBoxes& boxes, QWidget* parent)
    : EventListView(context, parent) {
    boxes_ = &boxes;
}

EventListView::~EventListView() = default;

void EventListView::Refresh(std::optional<DateTime> viewDate, std::optional<ViewMode> mode) {
    ListViewState& view = model_->View();
    view.searching = false;
    if (viewDate) view.viewDate = viewDate->Date();
    if (mode) view.mode = *mode;
    Fill();
}

void EventListView::Search(const std::string& text, bool matchCase) {
    ListViewState& view = model_->View();
    view.searching = true;
    view.matchCase = matchCase;
    view.searchText = SearchKey(text, matchCase);
    Fill();
}

void EventListView::FilterChanged() {
    ListViewState& view = model_->View();
    view.searching = false;
    view.filterActive = !context_.types.ActiveFilterName().empty();
    Fill();
}

void EventListView::KeepViewDate(DateTime viewDate) {
    model_->View().viewDate = viewDate.Date();
}

void EventListView::Fill() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const LibraryResult rc = model_->Refresh();
    QApplication::restoreOverrideCursor();
    if (rc != LibraryResult::Ok && boxes_) boxes_->ReportLibraryError(this, rc);
    if (RowCount() > 0) {
        selectionModel()->setCurrentIndex(model_->index(0, 0), QItemSelectionModel::ClearAndSelect |
                                                                   QItemSelectionModel::Rows);
        scrollToTop();
    }
}

const ListViewState& EventListView::View() const {
    return model_->View();
}

int EventListView::RowCount() const {
    return model_->rowCount();
}

std::vector<EventRecord> EventListView::SelectedEvents() const {
    QModelIndexList rows = selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    std::vector<EventRecord> events;
    events.reserve(static_cast<size_t>(rows.size()));
    for (const QModelIndex& index : rows)
        events.push_back(model_->RowAt(index.row()).event);
    return events;
}

std::optional<EventRecord> EventListView::FocusedSelectedEvent() const {
    const QModelIndex current = currentIndex();
    if (!current.isValid() || !selectionModel()->isRowSelected(current.row(), {}))
        return std::nullopt;
    return model_->RowAt(current.row()).event;
}

int EventListView::DropExcludedRows() {
    return model_->DropExcludedRows();
}

void EventListView::RestoreColumns() {
    const ColumnLayout layout = ReadColumnLayout(context_.settings);
    QHeaderView* header = horizontalHeader();
    fitter_.SetUserMask(layout.userWidths);
    for (int c = 0; c < kListColumnCount; ++c)
        SetWidth(c, layout.widths[c]);
    for (int visual = 0; visual < kListColumnCount; ++visual)
        header->moveSection(header->visualIndex(layout.order[visual]), visual);
    model_->SetSort(layout.sort);
    ShowSortIndicator();
    MeasureColumns();
}

void EventListView::SaveColumns() const {
    WriteColumnLayout(context_.settings, ColumnsOnScreen());
}

ColumnLayout EventListView::ColumnsOnScreen() const {
    ColumnLayout layout;
    const QHeaderView* header = horizontalHeader();
    for (int c = 0; c < kListColumnCount; ++c)
        layout.widths[c] = columnWidth(c);
    for (int visual = 0; visual < kListColumnCount; ++visual)
        layout.order[visual] = header->logicalIndex(visual);
    layout.sort = model_->Sort();
    layout.userWidths = fitter_.UserMask();
    return layout;
}

void EventListView::SortByHeader(int column) {
    model_->SetSort(ClickHeader(model_->Sort(), column));
    ShowSortIndicator();
    if (currentIndex().isValid()) scrollTo(currentIndex());
}

void EventListView::ShowSortIndicator() {
    const SortOrder order = model_->Sort();
    if (order.column >= kListColumnCount) {
        horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
        return;
    }
    horizontalHeader()->setSortIndicator(order.column, order.descending ? Qt::DescendingOrder
                                                                        : Qt::AscendingOrder);
}

void EventListView::FitColumn(int column) {
    // The width the user asked for: the content's, kept as the user's own.
    needed_[column] = NeededWidth(column);
    fitter_.TakeUserWidth(column);
    SetWidth(column, needed_[column]);
    FitColumns();
}

int EventListView::NeededWidth(int column) const {
    const QFontMetrics metrics(font());
    // The title has room for the sort mark too, whichever column sorts.
    const QHeaderView* header = horizontalHeader();
    const int title =
        header->fontMetrics().horizontalAdvance(QString::fromUtf8(ColumnTitle(column))) +
        header->style()->pixelMetric(QStyle::PM_HeaderMarkSize, nullptr, header) +
        header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    int widest = 0;
    for (int row = 0; row < RowCount(); ++row)
        widest = std::max(widest, metrics.horizontalAdvance(model_->CellText(row, column)));
    const bool first = horizontalHeader()->visualIndex(column) == 0;
    return FittingColumnWidth(title, widest, first);
}

void EventListView::MeasureColumns() {
    for (int column = 0; column < kListColumnCount; ++column)
        needed_[column] = NeededWidth(column);
    FitColumns();
}

void EventListView::FitColumns() {
    ColumnWidths current{};
    for (int c = 0; c < kListColumnCount; ++c)
        current[c] = columnWidth(c);
    const ColumnWidths widths = fitter_.Fit(needed_, current, viewport()->width());
    for (int c = 0; c < kListColumnCount; ++c)
        if (widths[c] != current[c]) SetWidth(c, widths[c]);
}

void EventListView::SetWidth(int column, int width) {
    const bool before = std::exchange(settingWidths_, true);
    setColumnWidth(column, width);
    settingWidths_ = before;
}

void EventListView::SectionResized(int column) {
    if (settingWidths_) return;
    fitter_.TakeUserWidth(column);
    // The other columns may take or give back what this one gave or took.
    FitColumns();
}

void EventListView::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    FitColumns();
}

void EventListView::changeEvent(QEvent* event) {
    QTableView::changeEvent(event);
    if (event->type() != QEvent::FontChange) return;
    verticalHeader()->setDefaultSectionSize(
        std::max(kIconSlotWidth + 2, fontMetrics().height() + 3));
    MeasureColumns();
}

void EventListView::FocusRowAt(int row) {
    if (RowCount() == 0) return;
    const int column = currentIndex().isValid() ? currentIndex().column() : 0;
    selectionModel()->setCurrentIndex(model_->index(std::min(row, RowCount() - 1), column),
                                      QItemSelectionModel::NoUpdate);
}

void EventListView::mouseDoubleClickEvent(QMouseEvent* event) {
    QTableView::mouseDoubleClickEvent(event);
    emit openRequested(selectionModel()->hasSelection());
}

void EventListView::contextMenuEvent(QContextMenuEvent* event) {
    const bool onRow = selectionModel()->hasSelection();
    QPoint at = event->globalPos();
    if (event->reason() == QContextMenuEvent::Keyboard) {
        QModelIndex row = currentIndex();
        if (!row.isValid() || !selectionModel()->isRowSelected(row.row(), {})) {
            const QModelIndexList selected = selectionModel()->selectedRows();
            row = selected.isEmpty() ? QModelIndex() : selected.front();
        }
        const QRect rect = row.isValid() ? visualRect(row) : QRect();
        at = viewport()->mapToGlobal(rect.isValid() && viewport()->rect().intersects(rect)
                                         ? rect.bottomLeft()
                                         : QPoint(0, 0));
    }
    emit contextMenuWanted(at, onRow);
    event->accept();
}

void EventListView::paintEvent(QPaintEvent* event) {
    QTableView::paintEvent(event);
    const QModelIndex current = currentIndex();
    if (!hasFocus() || !current.isValid()) return;
    const QHeaderView* header = horizontalHeader();
    const int left = header->logicalIndex(0);
    const int right = header->logicalIndex(kListColumnCount - 1);
    const QRect rect = visualRect(model_->index(current.row(), left))
                           .united(visualRect(model_->index(current.row(), right)));
    QPainter painter(viewport());
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = rect.adjusted(0, 0, -1, -1);
    focus.backgroundColor = palette().color(
        selectionModel()->isRowSelected(current.row(), {}) ? QPalette::Highlight : QPalette::Base);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
}

} // namespace zm
