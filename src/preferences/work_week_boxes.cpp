#include "preferences/work_week_boxes.h"

#include <algorithm>

namespace zm {
namespace {

int ValidFirstDay(int firstDay) {
    return std::clamp(firstDay, 0, 6);
}

} // namespace

WorkWeekBoxes::WorkWeekBoxes(uint8_t mask, int firstDay) : firstDay_(ValidFirstDay(firstDay)) {
    for (int day = 0; day < 7; ++day)
        flags_[day] = (mask >> day) & 1;
}

int WorkWeekBoxes::WeekdayOfBox(int box, int firstDay) {
    return (ValidFirstDay(firstDay) + box + 1) % 7;
}

std::array<bool, 7> WorkWeekBoxes::Boxes() const {
    std::array<bool, 7> boxes{};
    for (int box = 0; box < 7; ++box)
        boxes[box] = flags_[WeekdayOfBox(box, firstDay_)];
    return boxes;
}

void WorkWeekBoxes::SetBox(int box, bool on) {
    if (box < 0 || box > 6) return;
    flags_[WeekdayOfBox(box, firstDay_)] = on;
}

void WorkWeekBoxes::ChangeFirstDay(int firstDay) {
    firstDay_ = ValidFirstDay(firstDay);
}

uint8_t WorkWeekBoxes::Mask() const {
    uint8_t mask = 0;
    for (int day = 0; day < 7; ++day)
        if (flags_[day]) mask |= static_cast<uint8_t>(1 << day);
    return mask;
}

} // namespace zm
