#include "analysis/UsageSummary.h"

#include "analysis/SummaryFailure.h"

#include <QString>

QDate UsageSummary::monthStart(const MonthTotals& totals) {
    const QDate named = QDate::fromString(QString::fromStdString(totals.mstrMonthYear), "yyyy-MM");
    if (named.isValid()) {
        return named;
    }
    const QDate last = totals.mdtLastRecordedDate.date();
    return last.isValid() ? QDate(last.year(), last.month(), 1) : QDate();
}

QDate UsageSummary::summaryDay(const MonthTotals& totals) {
    const QDate last = totals.mdtLastRecordedDate.date();
    if (!last.isValid()) {
        throw SummaryFailure("There is no last recorded day to work from.");
    }
    const QDate start = monthStart(totals);
    const QDate monthEnd = start.addMonths(1).addDays(-1);
    return last > monthEnd ? monthEnd : last;
}

UsageSummary UsageSummary::compute(const Plan& plan, const MonthTotals& totals, QDate today) {
    UsageSummary s;
    s.plan = plan;
    const double chargedKB = PlanBill::chargedKB(plan, totals); // K
    s.bill = PlanBill::forUsage(plan, chargedKB);
    s.usedMB = chargedKB / 1024;
    s.lastRecordedDay = summaryDay(totals);
    const int day = s.lastRecordedDay.day(); // D
    s.averagePerDayMB = s.usedMB / day;
    const QDate monthEnd =
        QDate(s.lastRecordedDay.year(), s.lastRecordedDay.month(), 1).addMonths(1).addDays(-1);
    s.remainingDays = static_cast<int>(s.lastRecordedDay.daysTo(monthEnd));

    if (plan.limitMB) {
        const double limit = *plan.limitMB;
        const double balance = limit - s.usedMB;
        s.balanceMB = balance;
        s.percentUsed = s.usedMB / limit * 100;
        if (s.exceeded()) {
            s.barUsed = 1;
            s.barExcess = s.bill.excessMB / limit;
        } else {
            if (s.remainingDays != 0) {
                s.availablePerDayMB = balance / s.remainingDays;
            }
            s.barUsed = (limit - balance) / limit;
        }
    }

    s.lastDayIsToday = today == s.lastRecordedDay;
    if (s.lastDayIsToday) {
        const auto lastDayKB = static_cast<double>(totals.mlngLastDayUsageKB); // N
        s.usageTodayMB = lastDayKB / 1024;
        if (day > 1) {
            s.averageExclTodayMB = ((chargedKB - lastDayKB) / 1024) / (day - 1);
        }
        if (s.balanceMB) {
            // over the limit the balance is negative, and so is what is left for a day
            s.availablePerDayExclTodayMB =
                (*s.balanceMB + lastDayKB / 1024) / (s.remainingDays + 1);
        }
    }
    return s;
}
