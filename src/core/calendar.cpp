#include "core/calendar.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace selvane {

bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month) {
    static constexpr std::array<int, 12> days{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : days[static_cast<std::size_t>(month - 1)];
}

// Days from civil and back, counting eras of 400 years (146097 days) from 1 March of the year 0,
// so that the leap day is the last of its year.
std::int64_t dayNumber(CivilDate d) {
    const std::int64_t y = d.year - (d.month <= 2 ? 1 : 0);
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t mp = (d.month + 9) % 12; // March is 0
    const std::int64_t doy = (153 * mp + 2) / 5 + d.day - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

CivilDate dateOfDay(std::int64_t day) {
    const std::int64_t z = day + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const int y = static_cast<int>(yoe + era * 400 + (m <= 2 ? 1 : 0));
    return {y, m, d};
}

namespace {

// The day `day` (clamped to the month's end) of the month `months` after year/month; the year may
// pass 9999 (the caller refuses it).
CivilDate monthDay(int year, int month, std::int64_t months, int day) {
    const std::int64_t index = static_cast<std::int64_t>(year) * 12 + (month - 1) + months;
    const int y = static_cast<int>(index / 12), m = static_cast<int>(index % 12) + 1;
    return {y, m, std::min(day, y <= kLastDate.year ? daysInMonth(y, m) : 28)};
}

// Months from year/month to the end of the dates, so no arithmetic runs past what a date holds.
std::int64_t monthsLeft(CivilDate d) {
    return static_cast<std::int64_t>(kLastDate.year - d.year) * 12 + (12 - d.month);
}

} // namespace

CivilDate addMonths(CivilDate d, std::int64_t months) {
    return monthDay(d.year, d.month, months, d.day);
}

std::optional<CivilDate> readIsoDate(std::string_view t) {
    if (t.size() != 10 || t[4] != '-' || t[7] != '-')
        return std::nullopt;
    const auto digits = [&](std::size_t at, std::size_t n) -> int {
        int v = 0;
        for (std::size_t i = at; i < at + n; ++i) {
            if (t[i] < '0' || t[i] > '9')
                return -1;
            v = v * 10 + (t[i] - '0');
        }
        return v;
    };
    const CivilDate d{digits(0, 4), digits(5, 2), digits(8, 2)};
    if (d.year < 1 || d.month < 1 || d.month > 12 || d.day < 1 ||
        d.day > daysInMonth(d.year, d.month))
        return std::nullopt;
    return d;
}

std::string isoDateText(CivilDate d) {
    std::array<char, 16> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%04d-%02d-%02d", d.year, d.month, d.day);
    return buffer.data();
}

PaymentPeriod paymentPeriodOf(double paymentsPerMonth) {
    if (paymentsPerMonth > 2.0)
        return PaymentPeriod::Biweekly;
    return paymentsPerMonth == 2.0 ? PaymentPeriod::SemiMonthly : PaymentPeriod::Monthly;
}

CivilDate PaymentDates::defaultFirst(CivilDate start, PaymentPeriod period) {
    switch (period) {
    case PaymentPeriod::Biweekly:
        return dateOfDay(dayNumber(start) + 14);
    case PaymentPeriod::SemiMonthly:
        if (start.day <= 15)
            return {start.year, start.month,
                    std::min(start.day + 15, daysInMonth(start.year, start.month))};
        return monthDay(start.year, start.month, 1, start.day - 15);
    case PaymentPeriod::Monthly:
        break;
    }
    return addMonths(start, 1);
}

PaymentDates::PaymentDates(CivilDate start, std::optional<CivilDate> first, PaymentPeriod period)
    : m_start(start), m_first(first ? *first : defaultFirst(start, period)), m_period(period),
      m_firstDay(dayNumber(m_first)) {
    if (period == PaymentPeriod::Monthly) {
        m_day = m_first.day;
        // A first payment on the last day of a short month stands for a later day of the start.
        if (m_first.day == daysInMonth(m_first.year, m_first.month) && start.day > m_day)
            m_day = start.day;
    } else if (period == PaymentPeriod::SemiMonthly) {
        m_late = m_first.day > 15;
        m_day = m_late ? m_first.day - 15 : m_first.day;
        // As for monthly payments: a late day on a short month's last day stands for the start's
        // day where that is later (paid out 14 February: 28 February, then 14 and 29 March).
        const int startEarly = start.day <= 15 ? start.day : start.day - 15;
        if (m_late && m_first.day == daysInMonth(m_first.year, m_first.month) && startEarly > m_day)
            m_day = startEarly;
    }
}

std::optional<CivilDate> PaymentDates::date(std::int64_t k) const {
    if (k <= 0)
        return m_start;
    CivilDate d;
    switch (m_period) {
    case PaymentPeriod::Biweekly: {
        const std::int64_t day = m_firstDay + 14 * (k - 1);
        if (day > dayNumber(kLastDate))
            return std::nullopt;
        return dateOfDay(day);
    }
    case PaymentPeriod::SemiMonthly: {
        const std::int64_t slot = k - 1 + (m_late ? 1 : 0); // from the first month's early day
        if (slot / 2 > monthsLeft(m_first))
            return std::nullopt;
        d = monthDay(m_first.year, m_first.month, slot / 2, m_day + (slot % 2 == 1 ? 15 : 0));
        break;
    }
    case PaymentPeriod::Monthly:
        if (k - 1 > monthsLeft(m_first))
            return std::nullopt;
        d = k == 1 ? m_first : monthDay(m_first.year, m_first.month, k - 1, m_day);
        break;
    }
    return d;
}

std::int64_t PaymentDates::paymentsBy(CivilDate d) const {
    if (d < m_first)
        return 0;
    switch (m_period) {
    case PaymentPeriod::Biweekly:
        return (dayNumber(d) - m_firstDay) / 14 + 1;
    case PaymentPeriod::SemiMonthly: {
        // Slots of whole months before d's, then those of d's month on or before it.
        const std::int64_t months =
            static_cast<std::int64_t>(d.year - m_first.year) * 12 + (d.month - m_first.month);
        std::int64_t slots = months * 2;
        const int early = std::min(m_day, daysInMonth(d.year, d.month));
        const int late = std::min(m_day + 15, daysInMonth(d.year, d.month));
        slots += (d.day >= early ? 1 : 0) + (d.day >= late ? 1 : 0);
        return slots - (m_late ? 1 : 0);
    }
    case PaymentPeriod::Monthly:
        break;
    }
    const std::int64_t months =
        static_cast<std::int64_t>(d.year - m_first.year) * 12 + (d.month - m_first.month);
    if (months == 0)
        return 1; // d is on or after the first payment in its month
    return months + (d.day >= std::min(m_day, daysInMonth(d.year, d.month)) ? 1 : 0);
}

namespace {
struct DayCountName {
    DayCount basis;
    const char* word;
};
constexpr std::array<DayCountName, 5> kDayCounts{{{DayCount::Periodic, "periodic"},
                                                  {DayCount::Thirty360, "30/360"},
                                                  {DayCount::Actual365, "actual/365"},
                                                  {DayCount::Actual360, "actual/360"},
                                                  {DayCount::ActualActual, "actual/actual"}}};
} // namespace

std::optional<DayCount> readDayCount(std::string_view word) {
    for (const DayCountName& n : kDayCounts)
        if (word == n.word)
            return n.basis;
    return std::nullopt;
}

const char* dayCountWord(DayCount basis) {
    for (const DayCountName& n : kDayCounts)
        if (basis == n.basis)
            return n.word;
    return "periodic";
}

YearFraction yearFraction(DayCount basis, CivilDate from, CivilDate to) {
    return yearFraction(basis, from, to, dayNumber(from), dayNumber(to));
}

YearFraction yearFraction(DayCount basis, CivilDate from, CivilDate to, std::int64_t fromDay,
                          std::int64_t toDay) {
    const std::int64_t days = toDay - fromDay;
    switch (basis) {
    case DayCount::Thirty360: {
        int d1 = from.day, d2 = to.day;
        if (d1 == 31)
            d1 = 30;
        if (d2 == 31 && d1 == 30)
            d2 = 30;
        return {360 * static_cast<std::int64_t>(to.year - from.year) +
                    30 * static_cast<std::int64_t>(to.month - from.month) + (d2 - d1),
                360};
    }
    case DayCount::Actual360:
        return {days, 360};
    case DayCount::ActualActual: {
        // The days of each year the period touches, over that year's length.
        std::int64_t leap = 0, common = 0;
        for (int y = from.year; y <= to.year; ++y) {
            const std::int64_t a = y == from.year ? fromDay : dayNumber({y, 1, 1});
            const std::int64_t b =
                y == to.year ? toDay : dayNumber({y, 12, 31}) + 1; // to 1 January next
            (isLeapYear(y) ? leap : common) += std::max<std::int64_t>(b - a, 0);
        }
        return {leap * 365 + common * 366, 365 * 366};
    }
    case DayCount::Actual365:
    case DayCount::Periodic:
        break;
    }
    return {days, 365};
}

} // namespace selvane
