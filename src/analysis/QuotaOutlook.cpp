#include "analysis/QuotaOutlook.h"

#include <algorithm>
#include <cmath>

namespace {

// The first day d (after the days elapsed, at most the month's last) by whose end the usage at
// the month's pace reaches the limit: usedKB / elapsed * d >= limitKB. Compared as products of
// whole kilobytes and days, so a day that reaches the limit exactly is not missed by a
// rounded quotient.
int dayReachingLimit(double usedKB, double limitKB, int elapsed, int daysInMonth) {
    const auto reaches = [&](int day) { return usedKB * day >= limitKB * elapsed; };
    int day = static_cast<int>(std::ceil(limitKB * elapsed / usedKB));
    day = std::clamp(day, elapsed + 1, daysInMonth);
    while (day > elapsed + 1 && reaches(day - 1)) {
        --day;
    }
    while (day < daysInMonth && !reaches(day)) {
        ++day;
    }
    return day;
}

} // namespace

std::optional<QuotaOutlook> QuotaOutlook::of(const UsageSummary& figures,
                                             const MonthProjection& projection) {
    if (!figures.plan.limitMB) {
        return std::nullopt;
    }
    QuotaOutlook outlook;
    outlook.limitMB = *figures.plan.limitMB;
    outlook.daysLeft = figures.remainingDays;
    if (figures.remainingDays > 0) {
        outlook.dailyAllowanceMB = std::max(*figures.balanceMB, 0.0) / figures.remainingDays;
    }
    const QDate last = figures.lastRecordedDay;
    const int daysInMonth =
        projection.daysInMonth > 0 ? projection.daysInMonth : last.daysInMonth();
    outlook.evenShareMB = outlook.limitMB / daysInMonth;
    // the projection's own verdict, so that the two never disagree on a month
    if (projection.bill.excessMB <= 0 || projection.daysElapsed <= 0) {
        return outlook;
    }
    const double usedKB = figures.usedMB * 1024;
    const double limitKB = outlook.limitMB * 1024;
    if (usedKB >= limitKB || projection.daysElapsed >= daysInMonth) {
        outlook.usedUp = true;
        outlook.runsOut = last;
        return outlook;
    }
    outlook.runsOut = QDate(last.year(), last.month(),
                            dayReachingLimit(usedKB, limitKB, projection.daysElapsed, daysInMonth));
    return outlook;
}
