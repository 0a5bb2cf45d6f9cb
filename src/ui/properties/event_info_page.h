#pragma once
// The "General" page of an event's properties: its reminder information and its icons, read
// only. The page keeps its own copy of the event, so the list may replace or drop its copy
// while the page is open.

#include "list/event_info.h"
#include "model/event_record.h"

#include <QPixmap>
#include <QWidget>
#include <array>

class QLabel;

namespace zm {

struct WindowContext;

class EventInfoPage final : public QWidget {
    Q_OBJECT
public:
    EventInfoPage(WindowContext& context, EventRecord event, QWidget* parent = nullptr);

    const EventRecord& Event() const { return event_; }
    const EventInfoLines& Lines() const { return lines_; }
    // The label of a line ("Type:", ...) and its value, for the tests.
    QLabel* ValueLabel(int stringId) const;
    QLabel* CaptionLabel(int stringId) const;

private:
    EventRecord event_;
    EventInfoLines lines_;
    QWidget* icons_;
    std::array<QLabel*, 7> captions_{};
    std::array<QLabel*, 7> values_{};
};

} // namespace zm
