#include "ui/list/event_list_model.h"

#include "format/colour_contrast.h"
#include "list/cell_texts.h"
#include "list/row_images.h"
#include "store/library/library_walk.h"
#include "ui/common/window_context.h"

#include <QColor>
#include <QGuiApplication>
#include <QPalette>
#include <algorithm>
#include <unordered_map>

namespace zm {

EventListModel::EventListModel(WindowContext& context, QObject* parent)
    : QAbstractTableModel(parent), context_(context) {
    context_.store.AddListener(*this);
}

EventListModel::~EventListModel() {
    context_.store.RemoveListener(*this);
}

int EventListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int EventListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kListColumnCount;
}

QString EventListModel::CellText(int row, int column) const {
    return QString::fromStdString(
        zm::CellText(RowAt(row).event, column, context_.formats, context_.names));
}

QVariant EventListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const EventRecord& event = RowAt(index.row()).event;
    switch (role) {
    case Qt::DisplayRole:
        return CellText(index.row(), index.column());
    case Qt::AccessibleTextRole: {
        const std::string text =
            zm::CellText(event, index.column(), context_.formats, context_.names);
        return QString::fromStdString(index.column() == kColumnName ? SpokenNameCell(event, text)
                                                                    : text);
    }
    case Qt::ForegroundRole: {
        // The type's colour in the shade the list draws it in, on the palette's base.
        const uint32_t rgb = RgbFromTypeColour(context_.types.TypeColour(event.typeIndex));
        const uint32_t base = QGuiApplication::palette().color(QPalette::Base).rgb() & 0xFFFFFF;
        return QColor::fromRgb(ReadableColour(rgb, base));
    }
    default:
        return {};
    }
}

QVariant EventListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return QString::fromUtf8(ColumnTitle(section));
    return {};
}

bool EventListModel::Include(EventRecord& event) const {
    const EventStore& store = context_.store;
    const InclusionClock clock{store.Now(), store.Pending().Limit(), store.Week()};
    return IncludeInList(event, view_, ListFilter::FromTypes(context_.types, view_.filterActive),
                         clock);
}

LibraryResult EventListModel::Refresh() {
    beginResetModel();
    rows_.clear();
    LibraryResult rc = LibraryResult::Ok;
    const EventLibrary& library = context_.store.Library();
    if (library.IsOpen()) {
        const EventStore& store = context_.store;
        const InclusionClock clock{store.Now(), store.Pending().Limit(), store.Week()};
        const ListFilter filter = ListFilter::FromTypes(context_.types, view_.filterActive);
        const TypeList& types = context_.types;
        rows_.reserve(static_cast<size_t>(library.CountEvents()));
        rc = ReadEachEvent(
            library, [&types](const std::string& name) { return types.FindType(name); },
            [&](EventRecord& event) {
                if (IncludeInList(event, view_, filter, clock))
                    rows_.push_back(MakeListRow(std::move(event)));
                return LibraryResult::Ok;
            });
    }
    const SortOrder order = Sort();
    std::sort(rows_.begin(), rows_.end(),
              [order](const ListRow& a, const ListRow& b) { return SortsBefore(a, b, order); });
    endResetModel();
    return rc;
}

void EventListModel::SetSort(SortOrder order) {
    view_.sortColumn = order.column;
    view_.sortDescending = order.descending;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<uint16_t> keys;
    keys.reserve(static_cast<size_t>(before.size()));
    for (const QModelIndex& index : before)
        keys.push_back(RowAt(index.row()).event.key);
    std::stable_sort(rows_.begin(), rows_.end(), [order](const ListRow& a, const ListRow& b) {
        return SortsBefore(a, b, order);
    });
    std::unordered_map<uint16_t, int> rowOfKey;
    for (size_t i = 0; i < rows_.size(); ++i)
        rowOfKey[rows_[i].event.key] = static_cast<int>(i);
    QModelIndexList after;
    after.reserve(before.size());
    for (qsizetype i = 0; i < before.size(); ++i)
        after.push_back(index(rowOfKey[keys[static_cast<size_t>(i)]], before[i].column()));
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

int EventListModel::DropExcludedRows() {
    int dropped = 0;
    for (int row = rowCount() - 1; row >= 0; --row) {
        EventRecord copy = RowAt(row).event;
        if (Include(copy)) continue;
        RemoveRowAt(row);
        ++dropped;
    }
    return dropped;
}

int EventListModel::RowOfKey(uint16_t key) const {
    if (key == 0) return -1;
    for (size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].event.key == key) return static_cast<int>(i);
    return -1;
}

void EventListModel::InsertRow(ListRow row) {
    const int at = static_cast<int>(InsertPosition(rows_, row, Sort()));
    beginInsertRows({}, at, at);
    rows_.insert(rows_.begin() + at, std::move(row));
    endInsertRows();
}

void EventListModel::RemoveRowAt(int row) {
    beginRemoveRows({}, row, row);
    rows_.erase(rows_.begin() + row);
    endRemoveRows();
}

void EventListModel::ReplaceRow(uint16_t oldKey, EventRecord event) {
    const int at = RowOfKey(oldKey);
    if (!Include(event)) {
        if (at >= 0) RemoveRowAt(at);
        return;
    }
    ListRow row = MakeListRow(std::move(event));
    if (at < 0) { // edited into the viewed period
        InsertRow(std::move(row));
        return;
    }
    // Where the row goes among the others.
    ListRow old = std::move(rows_[static_cast<size_t>(at)]);
    rows_.erase(rows_.begin() + at);
    const int to = static_cast<int>(InsertPosition(rows_, row, Sort()));
    rows_.insert(rows_.begin() + at, std::move(old));
    if (to != at) {
        beginMoveRows({}, at, at, {}, to > at ? to + 1 : to);
        ListRow moving = std::move(rows_[static_cast<size_t>(at)]);
        rows_.erase(rows_.begin() + at);
        rows_.insert(rows_.begin() + to, std::move(moving));
        endMoveRows();
    }
    rows_[static_cast<size_t>(to)] = std::move(row);
    emit dataChanged(index(to, 0), index(to, kListColumnCount - 1));
}

void EventListModel::OnStoreChange(const StoreChange& change) {
    // The type as the list knows it now, whatever index the sender had.
    auto typed = [this](EventRecord event) {
        event.typeIndex = context_.types.FindType(event.typeName);
        return event;
    };
    switch (change.kind) {
    case StoreChangeKind::Added:
        if (change.event) {
            EventRecord event = typed(*change.event);
            if (Include(event)) InsertRow(MakeListRow(std::move(event)));
        }
        return;
    case StoreChangeKind::Changed:
    case StoreChangeKind::Replaced:
    case StoreChangeKind::Accepted:
    case StoreChangeKind::Snoozed:
    case StoreChangeKind::Unsnoozed:
    case StoreChangeKind::TypeChanged:
    case StoreChangeKind::Enabled:
    case StoreChangeKind::Disabled:
        if (change.event) {
            ReplaceRow(change.oldKey, typed(*change.event));
        } else if (const int at = RowOfKey(change.oldKey); at >= 0) {
            RemoveRowAt(at);
            emit rowRemovedAt(at);
        }
        return;
    case StoreChangeKind::Deleted:
    case StoreChangeKind::Purged:
        if (const int at = RowOfKey(change.oldKey); at >= 0) {
            RemoveRowAt(at);
            emit rowRemovedAt(at);
        }
        return;
    case StoreChangeKind::LeftPending:
    case StoreChangeKind::PendingRebuilt:
        // The rows stand for occurrences, not for pending entries: nothing to change.
        return;
    case StoreChangeKind::Reset:
        if (change.cause == ResetCause::Closed) {
            beginResetModel();
            rows_.clear();
            endResetModel();
        } else {
            emit refreshNeeded();
        }
        return;
    }
}

} // namespace zm
