#pragma once
// The "Calendar" page: the work week, the week rules, the pop-up calendar and its shortcut key.

#include "preferences/work_week_boxes.h"

#include <QWidget>
#include <array>

class QCheckBox;
class QComboBox;

namespace zm {

struct WindowContext;
struct ProgramSettings;
class FontChooser;
class HotKeyField;

class CalendarPage final : public QWidget {
    Q_OBJECT
public:
    CalendarPage(WindowContext& context, QWidget* parent);

    void CopyTo(ProgramSettings& options) const;

    QCheckBox* WorkDayBox(int box) const { return workDays_[box]; }
    QComboBox* FirstDayCombo() const { return firstDay_; }
    HotKeyField* CalendarKey() const { return calendarKey_; }
    FontChooser* CalendarFont() const { return calendarFont_; }

private:
    void FirstDayChosen(int firstDay);
    void ShowBoxes();

    WindowContext& context_;
    WorkWeekBoxes week_;
    std::array<QCheckBox*, 7> workDays_{};
    QCheckBox* checkWeekend_;
    QComboBox* firstDay_;
    QComboBox* firstWeek_;
    QCheckBox* weekNumbers_;
    FontChooser* calendarFont_;
    HotKeyField* calendarKey_;
    QCheckBox* leftClick_;
};

} // namespace zm
