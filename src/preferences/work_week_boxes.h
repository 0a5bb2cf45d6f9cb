#pragma once
// The seven work-week boxes of the Calendar page. The flags belong to weekdays (Sunday = 0 ...
// Saturday = 6); the boxes show them starting at the chosen first day of the week, so when the
// first day changes every weekday keeps its flag while the boxes move.

#include <array>
#include <cstdint>

namespace zm {

class WorkWeekBoxes {
public:
    // mask: bit i set = weekday i is a work day. firstDay: 0 = Monday ... 6 = Sunday.
    WorkWeekBoxes(uint8_t mask, int firstDay);

    // The weekday (Sunday = 0) that box i (0..6) stands for under a first day.
    static int WeekdayOfBox(int box, int firstDay);
    // The same as a day-of-week number (1 = Sunday ... 7 = Saturday), for the day names.
    static int DayOfWeekOfBox(int box, int firstDay) { return WeekdayOfBox(box, firstDay) + 1; }

    int FirstDay() const { return firstDay_; }
    // The ticks of the boxes, box 0 first.
    std::array<bool, 7> Boxes() const;
    // The user ticked or cleared a box.
    void SetBox(int box, bool on);
    // A new first day: the boxes move, each weekday keeps its flag.
    void ChangeFirstDay(int firstDay);
    uint8_t Mask() const;

private:
    std::array<bool, 7> flags_{}; // by weekday, Sunday = 0
    int firstDay_ = 0;
};

} // namespace zm
