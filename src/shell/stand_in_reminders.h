#pragma once
// TEMPORARY stand-in for the reminder windows until they join the program: a due reminder shows
// a plain box with the event's name; closing it accepts the reminder.

#include "resident/reminder_presenter.h"

#include <QPointer>
#include <map>

class QMessageBox;

namespace zm {

class EventStore;

class StandInReminders final : public ReminderPresenter {
public:
    explicit StandInReminders(EventStore& store) : store_(store) {}
    PresentResult Present(const EventRecord& event) override;
    bool IsOpen(uint16_t key) const override;
    LibraryResult CloseWindowsWhoseTimeIsOver() override { return LibraryResult::Ok; }
    void CloseAll();

private:
    EventStore& store_;
    std::map<uint16_t, QPointer<QMessageBox>> open_;
};

} // namespace zm
