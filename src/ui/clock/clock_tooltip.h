#pragma once
// The floating clock's tooltip: the date and time, and today's upcoming reminders with their
// type's icon, time and name, the due ones in red. Shown without taking the focus.

#include "clock/upcoming_reminders.h"
#include "ui/clock/clock_environment.h"

#include <QFont>
#include <QWidget>

namespace zm {

class ClockTooltip final : public QWidget {
    Q_OBJECT
public:
    explicit ClockTooltip(const ClockEnvironment& env);

    // The list taken anew from the pending list and the header for now; laid out again.
    void Rebuild();
    // Shown under (or above) the clock's rectangle.
    void ShowAt(const QRect& clock);
    // Hidden, and the list emptied.
    void HideAndEmpty();

    const QString& Header() const { return header_; }
    const UpcomingList& Items() const { return items_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    static constexpr int kInset = 4;
    static constexpr int kIconSize = 16;

    QString HeaderFor(DateTime now) const;
    QString TimeText(DateTime t) const;
    void MakeFonts();
    void Layout();

    ClockEnvironment env_;
    QFont font_;
    QFont bold_;
    QString header_;
    UpcomingList items_;
    int headerHeight_ = 0;
    int labelHeight_ = 0;
    int timeWidth_ = 0;
};

} // namespace zm
