#include "model/week_settings.h"

#include "platform/setting_table.h"

namespace zm {

WeekSettings ReadWeekSettings(const Settings& settings) {
    WeekSettings week;
    week.workWeek = static_cast<uint8_t>(ReadInt(settings, SettingId::WorkWeek));
    week.checkWeekendEvents = ReadBool(settings, SettingId::CheckWeekendEvents);
    return week;
}

} // namespace zm
