#include "ui/calendar/flat_calendar_accessible.h"

#include "ui/calendar/flat_calendar.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <array>

namespace zm {

namespace {

// The children: the weekday headers first, then the days row by row.
constexpr int kHeaderCount = kGridColumns;
constexpr int kChildCount = kHeaderCount + kGridCells;

int ChildOfCell(int cell) {
    return kHeaderCount + cell;
}

// A part of the painted calendar: a weekday header or a day.
class CalendarPartAccessible : public QAccessibleInterface {
public:
    CalendarPartAccessible(FlatCalendar* calendar, int index)
        : calendar_(calendar), index_(index) {}

    bool isValid() const override { return !calendar_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return calendar_ ? calendar_->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(calendar_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!calendar_) return {};
        const QRect local = LocalRect();
        return {calendar_->mapToGlobal(local.topLeft()), local.size()};
    }

protected:
    virtual QRect LocalRect() const = 0;

    QPointer<FlatCalendar> calendar_;
    int index_; // the column of a header, the cell (0-41) of a day
};

class CalendarHeaderAccessible final : public CalendarPartAccessible {
public:
    using CalendarPartAccessible::CalendarPartAccessible;

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && calendar_ ? calendar_->ColumnName(index_) : QString();
    }
    QAccessible::Role role() const override { return QAccessible::ColumnHeader; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.invisible = !calendar_ || !calendar_->isVisible();
        return state;
    }

private:
    QRect LocalRect() const override { return calendar_->ColumnHeaderRect(index_); }
};

class CalendarCellAccessible final : public CalendarPartAccessible,
                                     public QAccessibleTableCellInterface,
                                     public QAccessibleActionInterface {
public:
    using CalendarPartAccessible::CalendarPartAccessible;

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && calendar_ ? calendar_->CellName(index_) : QString();
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override {
        QAccessible::State state;
        if (!calendar_) return state;
        state.invisible = !calendar_->isVisible();
        state.focusable = true;
        state.selectable = true;
        state.selected = isSelected();
        state.focused = state.selected && calendar_->hasFocus();
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface*>(this);
        if (type == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    bool isSelected() const override { return calendar_ && calendar_->Grid().selected == index_; }
    QList<QAccessibleInterface*> columnHeaderCells() const override {
        QAccessibleInterface* table = parent();
        if (!table) return {};
        return {table->child(ColumnOfCell(index_))};
    }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return ColumnOfCell(index_); }
    int rowIndex() const override { return RowOfCell(index_); }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (name == pressAction() && calendar_) calendar_->ChooseCell(index_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QRect LocalRect() const override { return calendar_->CellRect(index_); }
};

class FlatCalendarAccessible final : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit FlatCalendarAccessible(FlatCalendar* calendar)
        : QAccessibleWidget(calendar, QAccessible::Table) {}
    ~FlatCalendarAccessible() override {
        for (const QAccessible::Id id : ids_)
            if (id != 0) QAccessible::deleteAccessibleInterface(id);
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    int childCount() const override { return kChildCount; }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= kChildCount) return nullptr;
        QAccessible::Id& id = ids_[index];
        if (id == 0) {
            QAccessibleInterface* part =
                index < kHeaderCount ? static_cast<QAccessibleInterface*>(
                                           new CalendarHeaderAccessible(Calendar(), index))
                                     : new CalendarCellAccessible(Calendar(), index - kHeaderCount);
            id = QAccessible::registerAccessibleInterface(part);
        }
        return QAccessible::accessibleInterface(id);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int i = 0; i < kChildCount; ++i)
            if (ids_[i] != 0 && QAccessible::accessibleInterface(ids_[i]) == child) return i;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint local = Calendar()->mapFromGlobal(QPoint(x, y));
        for (int column = 0; column < kGridColumns; ++column)
            if (Calendar()->ColumnHeaderRect(column).contains(local)) return child(column);
        for (int cell = 0; cell < kGridCells; ++cell)
            if (Calendar()->CellRect(cell).contains(local)) return child(ChildOfCell(cell));
        return nullptr;
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        const int cell = CellAt(row, column);
        return cell < 0 ? nullptr : child(ChildOfCell(cell));
    }
    int selectedCellCount() const override { return Calendar()->Grid().selected < 0 ? 0 : 1; }
    QList<QAccessibleInterface*> selectedCells() const override {
        const int selected = Calendar()->Grid().selected;
        if (selected < 0) return {};
        return {child(ChildOfCell(selected))};
    }
    QString columnDescription(int column) const override {
        return column >= 0 && column < kGridColumns ? Calendar()->ColumnName(column) : QString();
    }
    QString rowDescription(int row) const override { return Calendar()->RowName(row); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return kGridColumns; }
    int rowCount() const override { return kGridRows; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    // The cells stay (always six weeks of seven days); only what they say changes.
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    FlatCalendar* Calendar() const { return static_cast<FlatCalendar*>(widget()); }

    mutable std::array<QAccessible::Id, kChildCount> ids_{};
};

QAccessibleInterface* CalendarFactory(const QString&, QObject* object) {
    if (auto* calendar = qobject_cast<FlatCalendar*>(object))
        return new FlatCalendarAccessible(calendar);
    return nullptr;
}

void SendForCell(FlatCalendar& calendar, int cell, QAccessible::Event type) {
    QAccessibleEvent event(&calendar, type);
    event.setChild(ChildOfCell(cell));
    QAccessible::updateAccessibility(&event);
}

} // namespace

void InstallCalendarAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(&CalendarFactory);
        return true;
    }();
    (void)installed;
}

void NotifyCalendarMoved(FlatCalendar& calendar, const MonthGrid& before) {
    if (!QAccessible::isActive()) return;
    const MonthGrid& after = calendar.Grid();
    const bool monthChanged = before.firstCell != after.firstCell;
    if (monthChanged) {
        QAccessibleTableModelChangeEvent reset(&calendar,
                                               QAccessibleTableModelChangeEvent::ModelReset);
        QAccessible::updateAccessibility(&reset);
    }
    if (!monthChanged && before.selected == after.selected) return;
    if (before.selected >= 0 && before.selected != after.selected)
        SendForCell(calendar, before.selected, QAccessible::SelectionRemove);
    if (after.selected < 0) return;
    SendForCell(calendar, after.selected, QAccessible::Selection);
    if (calendar.hasFocus()) SendForCell(calendar, after.selected, QAccessible::Focus);
}

void NotifyCalendarFocus(FlatCalendar& calendar) {
    if (!QAccessible::isActive() || calendar.Grid().selected < 0) return;
    SendForCell(calendar, calendar.Grid().selected, QAccessible::Focus);
}

} // namespace zm
