#include "model/date_time.h"

#include <cmath>
#include <gtest/gtest.h>

namespace zm {
namespace {

TEST(CivilDate, EveryAcceptedDayRoundTrips) {
    int64_t z = DaysFromCivil(kMinYear, 1, 1);
    int dow = DayOfWeekFromDays(z);
    EXPECT_EQ(dow, 6); // 1 January 100 was a Friday
    for (int y = kMinYear; y <= kMaxYear; ++y)
        for (int m = 1; m <= 12; ++m)
            for (int d = 1; d <= DaysInMonth(y, m); ++d, ++z) {
                ASSERT_EQ(DaysFromCivil(y, m, d), z);
                const YearMonthDay ymd = CivilFromDays(z);
                ASSERT_EQ(ymd.year, y);
                ASSERT_EQ(ymd.month, m);
                ASSERT_EQ(ymd.day, d);
                ASSERT_EQ(DayOfWeekFromDays(z), dow);
                if (y == 1753 && m == 1 && d == 1) {
                    EXPECT_EQ(dow, 2); // 1 January 1753 was a Monday
                }
                const DateTime at = DateTime::FromParts(y, m, d);
                ASSERT_TRUE(at.IsValid());
                ASSERT_EQ(at.DayNumber(), z);
                dow = dow == 7 ? 1 : dow + 1;
            }
    EXPECT_EQ(DayOfWeekFromDays(z - 1), 6); // 31 December 9999 was a Friday
    EXPECT_FALSE(DateTime::FromParts(kMinYear - 1, 12, 31).IsValid());
    EXPECT_FALSE(DateTime::FromParts(kMaxYear + 1, 1, 1).IsValid());
}

TEST(DateTime, BuildingANonExistentDateFails) {
    EXPECT_FALSE(DateTime::FromParts(2001, 4, 31).IsValid());
    EXPECT_FALSE(DateTime::FromParts(2001, 2, 29).IsValid());
    EXPECT_TRUE(DateTime::FromParts(2000, 2, 29).IsValid());
    EXPECT_FALSE(DateTime::FromParts(1900, 2, 29).IsValid());
    EXPECT_FALSE(DateTime::FromParts(2001, 1, 1, 24, 0, 0).IsValid());
    EXPECT_FALSE(DateTime::FromParts(2001, 13, 1).IsValid());
}

TEST(DateTime, InstantsFromPartsAndFromArithmeticCompareExactly) {
    const DateTime a = DateTime::FromParts(2024, 3, 5, 8, 45, 0);
    const DateTime b = DateTime::FromParts(2024, 3, 5, 9, 0, 0) - DateTimeSpan::Minutes(15);
    const DateTime c = DateTime::FromParts(2024, 3, 5, 8, 44, 59);
    EXPECT_EQ(a, b);
    EXPECT_LT(c, b);
    EXPECT_EQ(b.Hour(), 8);
    EXPECT_EQ(b.Minute(), 45);
}

TEST(DateTime, StoredDayNumbersRoundTrip) {
    struct Row {
        double ole;
        int y, mo, d, h, mi, s;
    };
    const Row rows[] = {
        {0.0, 1899, 12, 30, 0, 0, 0},    {1.0, 1899, 12, 31, 0, 0, 0},
        {-1.25, 1899, 12, 29, 6, 0, 0},  {-1.0, 1899, 12, 29, 0, 0, 0},
        {2.5, 1900, 1, 1, 12, 0, 0},     {36526.0, 2000, 1, 1, 0, 0, 0},
        {-53688.0, 1753, 1, 1, 0, 0, 0},
    };
    for (const Row& r : rows) {
        const DateTime t = DateTime::FromParts(r.y, r.mo, r.d, r.h, r.mi, r.s);
        EXPECT_EQ(DateTime::FromOle(r.ole), t) << r.ole;
        EXPECT_DOUBLE_EQ(t.ToOle(), r.ole);
    }
    // Every second of a day before and after the epoch survives the trip.
    for (int64_t day : {int64_t{-53688}, int64_t{-2}, int64_t{-1}, int64_t{0}, int64_t{45000}})
        for (int64_t s = 0; s < kSecondsPerDay; s += 7) {
            const DateTime t = DateTime::FromSeconds(day * kSecondsPerDay + s);
            ASSERT_EQ(DateTime::FromOle(t.ToOle()), t) << day << " " << s;
        }
    EXPECT_FALSE(DateTime::FromOle(std::nan("")).IsValid());
    EXPECT_FALSE(DateTime::FromOle(1e300).IsValid());
}

TEST(DateTime, TimeOfDayJustBeforeMidnightRoundsForward) {
    const DateTime t = DateTime::FromOle(-1.9999999999);
    EXPECT_EQ(t, DateTime::FromParts(1899, 12, 30));
    EXPECT_EQ(DateTime::FromOle(0.99999999999), DateTime::FromParts(1899, 12, 31));
    // ... but not past the last day of year 9999.
    EXPECT_EQ(DateTime::FromOle(2958465.5), DateTime::FromParts(9999, 12, 31, 12, 0, 0));
    EXPECT_FALSE(DateTime::FromOle(2958465.9999999).IsValid());
    EXPECT_EQ(DateTime::FromOle(-657434.5), DateTime::FromParts(100, 1, 1, 12, 0, 0));
}

} // namespace
} // namespace zm
