#pragma once
// The main window's commands on the selected events: delete, enable, disable, accept, wake up,
// change type, purge, copy and paste. Each goes through the event store, whose notices bring
// the list up to date; a loop over the selection stops at the first failure, which is reported.

#include "list/list_view_state.h"
#include "model/event_record.h"

#include <QString>
#include <optional>
#include <vector>

class QWidget;

namespace zm {

struct WindowContext;
class UserBoxes;
class EventListView;

// What the commands ask of the list.
class ListSelection {
public:
    virtual ~ListSelection() = default;
    virtual std::vector<EventRecord> SelectedEvents() const = 0;
    virtual std::optional<EventRecord> FocusedSelectedEvent() const = 0;
    virtual const ListViewState& View() const = 0;
    // Removes the rows whose event no longer passes the inclusion test; how many went.
    virtual int DropExcludedRows() = 0;
    // Drawn anew after a change of many rows; its drawing is held meanwhile.
    virtual QWidget& Widget() = 0;
};

// The event list's selection.
class EventListSelection final : public ListSelection {
public:
    explicit EventListSelection(EventListView& list) : list_(list) {}
    std::vector<EventRecord> SelectedEvents() const override;
    std::optional<EventRecord> FocusedSelectedEvent() const override;
    const ListViewState& View() const override;
    int DropExcludedRows() override;
    QWidget& Widget() override;

private:
    EventListView& list_;
};

class EventCommands final {
public:
    EventCommands(WindowContext& context, UserBoxes& boxes, ListSelection& list, QWidget* owner)
        : context_(context), boxes_(boxes), list_(list), owner_(owner) {}

    void Delete();
    void SetDisabled(bool on);
    void Accept();
    void WakeUp();
    void ChangeType(int typeIndex);
    void Purge();
    void Copy();
    void Paste();

private:
    WindowContext& context_;
    UserBoxes& boxes_;
    ListSelection& list_;
    QWidget* owner_;
};

} // namespace zm
