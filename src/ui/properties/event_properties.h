#pragma once
// The "Properties" sheet of one event: its reminder information, on a copy of the event the
// sheet owns (the list may replace its own copy while the sheet is open).

#include <QDialog>

class QWidget;

namespace zm {

struct WindowContext;
struct EventRecord;
class EventInfoPage;

// Runs the sheet modally.
void ShowEventProperties(WindowContext& context, const EventRecord& event, QWidget* parent);

// The sheet: one "General" page and the button that closes it.
class EventPropertiesSheet final : public QDialog {
    Q_OBJECT
public:
    EventPropertiesSheet(WindowContext& context, const EventRecord& event, QWidget* parent);
    EventInfoPage* Page() const { return page_; }

private:
    EventInfoPage* page_;
};

} // namespace zm
