#pragma once
// The main window's commands on the selected events: delete, enable, disable, accept, wake up,
// change type, purge, copy and paste. Each goes through the event store, whose notices bring
// the list up to date; a loop over the selection stops at the first failure, which is reported.

#include <QString>

class QWidget;

namespace zm {

struct WindowContext;
class UserBoxes;
class EventListView;

class EventCommands final {
public:
    EventCommands(WindowContext& context, UserBoxes& boxes, EventListView& list, QWidget* owner)
        : context_(context), boxes_(boxes), list_(list), owner_(owner) {}

    void Delete();
    void SetDisabled(bool on);
    void Accept();
    void WakeUp();
    void ChangeType(int typeIndex);
    void Purge();
    void Copy();
    void Paste();

    // The question of Delete for one event: its name, one of 128 characters or more cut to its
    // first 124 and "...".
    static QString DeleteQuestion(const QString& name);

private:
    WindowContext& context_;
    UserBoxes& boxes_;
    EventListView& list_;
    QWidget* owner_;
};

} // namespace zm
