#include "analysis/SummaryCalculator.h"

#include "analysis/PlanBill.h"
#include "analysis/SummaryFailure.h"
#include "platform/NumberFormat.h"

#include <array>
#include <cmath>
#include <limits>

namespace {

SummaryFigure megabytes(double value, int decimals) {
    return {NumberFormat::decimals(value, decimals) + " MB", value};
}

SummaryFigure rupees(double value) {
    return {"Rs. " + NumberFormat::decimals(value, 2), value};
}

SummaryFigure unlimitedFigure() {
    return {"Unlimited", std::numeric_limits<double>::infinity()};
}

} // namespace

SummaryCalculator::SummaryCalculator(const PlanCatalogue& plans, int slot,
                                     const MonthTotals& inputs, QDate today)
    : m_plans(plans)
    , m_slot(slot)
    , m_inputs(inputs)
    , m_today(today) {}

std::string SummaryCalculator::dayText(QDate date) {
    static constexpr std::array<const char*, 12> months = {
        "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    return " " + std::to_string(date.day()) + " " +
           months[static_cast<std::size_t>(date.month() - 1)] + " " + std::to_string(date.year());
}

int SummaryCalculator::remainingDays(QDate date) {
    const QDate firstOfNext = QDate(date.year(), date.month(), 1).addMonths(1);
    return static_cast<int>(date.daysTo(firstOfNext.addDays(-1)));
}

void SummaryCalculator::writeFigures(UsageSummary& shown) {
    writeUsed(shown);
    m_unlimited = m_plans.number(m_slot, PlanCatalogue::Limit) == -1;
    if (m_unlimited) {
        writeUnlimited(shown);
    } else {
        writeLimited(shown);
    }
    writeToday(shown);
    writeBill(shown);
}

void SummaryCalculator::writeUsed(UsageSummary& shown) {
    const bool night = m_plans.number(m_slot, PlanCatalogue::NightFlag) == 1;
    m_chargedKB =
        static_cast<double>(night ? m_inputs.mlngTotalChargedKB : m_inputs.mlngTotalBandwidthKB);
    m_usedMB = m_chargedKB / 1024;
    shown.lblUsedBandWidth = megabytes(m_usedMB, 3);

    const QDate last = m_inputs.mdtLastRecordedDate.date();
    if (!last.isValid()) {
        throw SummaryFailure("There is no last recorded day to work from.");
    }
    m_day = last.day();
    shown.lblUsedAverage = megabytes(m_usedMB / m_day, 2);
    shown.lblUsedLastDay = dayText(last);
    m_remainingDays = remainingDays(last);
    shown.lblAvailableDays = {std::to_string(m_remainingDays),
                              static_cast<double>(m_remainingDays)};
}

void SummaryCalculator::writeLimited(UsageSummary& shown) {
    const double limit = m_plans.number(m_slot, PlanCatalogue::Limit);
    m_balanceMB = limit - m_usedMB;
    const double percent = m_usedMB / limit * 100;
    shown.txtPercentage = {NumberFormat::decimals(percent, 0) + "%", percent};
    // using up the quota exactly is not an excess
    if (m_balanceMB < 0) {
        writeExceeded(shown, limit);
    } else {
        writeBalance(shown, limit);
    }
}

void SummaryCalculator::writeExceeded(UsageSummary& shown, double limit) {
    shown.fraExcessVisible = true;
    shown.fraAvailableVisible = false;
    const double excess = std::fabs(m_balanceMB);
    shown.lblExcessBandwidth = megabytes(excess, 3);
    const double rate = m_plans.number(m_slot, PlanCatalogue::Rate);
    shown.lblExcessRatePerMB = {NumberFormat::decimals(rate, 2), rate};
    m_extra = PlanBill::excessCharge(rate, excess);
    shown.lblExcessAmount = rupees(m_extra);
    shown.barUsed = 1;
    shown.barExcess = excess / limit;
}

void SummaryCalculator::writeBalance(UsageSummary& shown, double limit) {
    shown.fraAvailableVisible = true;
    shown.fraExcessVisible = false;
    shown.lblAvailableBandWidth = megabytes(m_balanceMB, 3);
    if (m_remainingDays != 0) {
        shown.lblAvailableAverage = megabytes(m_balanceMB / m_remainingDays, 2);
    } else {
        shown.lblAvailableAverage = {"", 0};
    }
    writeNoExcess(shown);
    shown.barUsed = (limit - m_balanceMB) / limit;
}

void SummaryCalculator::writeUnlimited(UsageSummary& shown) {
    shown.txtPercentage = {"0%", 0};
    shown.fraAvailableVisible = true;
    shown.fraExcessVisible = false;
    shown.lblAvailableBandWidth = unlimitedFigure();
    shown.lblAvailableAverage = unlimitedFigure();
    writeNoExcess(shown);
    shown.barUsed = 0;
}

void SummaryCalculator::writeNoExcess(UsageSummary& shown) {
    shown.lblExcessBandwidth = {"0", 0};
    m_extra = 0;
    shown.lblExcessAmount = {"Rs. 0", 0};
    shown.barExcess = 0;
}

void SummaryCalculator::writeToday(UsageSummary& shown) {
    shown.todayVisible = m_today == m_inputs.mdtLastRecordedDate.date();
    if (!shown.todayVisible) {
        return;
    }
    const auto lastDayKB = static_cast<double>(m_inputs.mlngLastDayUsageKB);
    shown.lblUsageToday = megabytes(lastDayKB / 1024, 2);
    if (m_day > 1) {
        shown.lblUsedAverageExclToday =
            megabytes(((m_chargedKB - lastDayKB) / 1024) / (m_day - 1), 2);
    } else {
        shown.lblUsedAverageExclToday = {"0 MB", 0};
    }
    if (m_unlimited) {
        // an unlimited plan has no balance to spread over the days left
        shown.lblAvailableAverageExclToday = unlimitedFigure();
        return;
    }
    shown.lblAvailableAverageExclToday =
        megabytes((m_balanceMB + lastDayKB / 1024) / (m_remainingDays + 1), 2);
}

void SummaryCalculator::writeBill(UsageSummary& shown) {
    const std::string charge = trimBlanks(m_plans.field(m_slot, PlanCatalogue::Charge));
    // the plan charge is shown as the catalogue writes it ("Rs. 250"), the sums with decimals
    shown.lblBillPlanCharge = {"Rs. " + charge, 0};
    shown.lblBillExcessCharge = {shown.lblExcessAmount.text, m_extra};
    shown.lblBillPlanCharge.value = m_plans.number(m_slot, PlanCatalogue::Charge);
    const double total = shown.lblBillPlanCharge.value + m_extra;
    shown.lblBillTotal = rupees(total);
    const double tax = PlanBill::taxOn(total);
    shown.lblBillTax = rupees(tax);
    shown.lblBillTotalAndTax = rupees(total + tax);
}
