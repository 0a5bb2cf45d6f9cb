#pragma once
// Dates between the record's instants and the toolkit's date fields.

#include "model/date_time.h"

#include <QDate>

namespace zm {

inline QDate ToQDate(DateTime t) {
    const YearMonthDay d = t.Ymd();
    return QDate(d.year, d.month, d.day);
}

// Midnight of the date; an invalid instant for an invalid date.
inline DateTime FromQDate(const QDate& date) {
    if (!date.isValid()) return DateTime::Invalid();
    return DateTime::FromParts(date.year(), date.month(), date.day());
}

} // namespace zm
