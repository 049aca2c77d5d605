#include "analysis/MonthProjection.h"

#include <QDate>
#include <QString>

namespace {

QDate monthStart(const MonthTotals& inputs) {
    const QDate named = QDate::fromString(QString::fromStdString(inputs.mstrMonthYear), "yyyy-MM");
    if (named.isValid()) {
        return named;
    }
    const QDate last = inputs.mdtLastRecordedDate.date();
    return last.isValid() ? QDate(last.year(), last.month(), 1) : QDate();
}

} // namespace

MonthProjection MonthProjection::forPlan(const PlanTerms& plan, const MonthTotals& inputs) {
    MonthProjection projection;
    projection.plan = plan;
    const double usedKB = PlanBill::chargedKB(plan, inputs);
    const QDate start = monthStart(inputs);
    if (!start.isValid()) {
        projection.bill = PlanBill::forUsage(plan, usedKB);
        return projection;
    }
    projection.daysInMonth = start.daysInMonth();
    const QDate last = inputs.mdtLastRecordedDate.date();
    const bool inMonth = last.year() == start.year() && last.month() == start.month();
    projection.daysElapsed = inMonth ? last.day() : projection.daysInMonth;
    projection.bill =
        PlanBill::forUsage(plan, usedKB / projection.daysElapsed * projection.daysInMonth);
    return projection;
}
