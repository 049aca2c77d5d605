#include "desktop/HistoryWindowState.h"

#include "analysis/Plan.h"
#include "analysis/SummaryPage.h"
#include "history/HistoryChart.h"
#include "platform/Failure.h"
#include "platform/NumberFormat.h"
#include "retrieval/CacheFileList.h"

#include <QFileInfo>

namespace {

QString megabytes(std::int64_t kilobytes) {
    return QString::fromStdString(NumberFormat::decimals(FixedPoint(kilobytes).dividedBy(1024), 3));
}

QString text(const std::string& value) {
    return QString::fromStdString(value);
}

} // namespace

HistoryWindowState::HistoryWindowState(const QString& folder, const QString& user,
                                       const PlanChoice& choice)
    : m_user(user) {
    const MonthHistory history = MonthHistory::load(folder);
    for (const std::string& notice : history.notices()) {
        m_notices << text(notice);
    }
    m_anyMonth = !history.months().empty();
    m_overview = HistoryOverview::of(history, user.toStdString(), choice);
}

PlanChoice HistoryWindowState::chosenPlan(const SettingsStore& settings, QDate today) {
    SummaryPage page;
    page.LoadCombo(settings);
    page.restoreCustomPlan(settings);
    PlanChoice choice = page.choice(today);
    // a custom plan never set up would bill every month at nothing and win every comparison
    if (choice.slot != Plan::CustomSlot) {
        choice.custom.reset();
    }
    return choice;
}

QString HistoryWindowState::title() const {
    return m_user.isEmpty() ? QStringLiteral("History") : "History of " + m_user;
}

QStringList HistoryWindowState::monthHeaders(bool planChosen) {
    QStringList headers = {"Month",   "User", "Rows",       "Total MB",  "Charged MB",
                           "Free MB", "Days", "MB per day", "Month file"};
    if (planChosen) {
        headers << "Bill with tax";
    }
    return headers;
}

QStringList HistoryWindowState::monthCells(int row) const {
    const auto at = static_cast<std::size_t>(row);
    const HistoryMonth& month = m_overview.months.at(at);
    const MonthFigures& figures = month.figures;
    QStringList cells = {text(month.month),
                         text(month.user),
                         QString::number(figures.rows),
                         megabytes(figures.totalKB),
                         megabytes(figures.chargedKB),
                         megabytes(figures.freeKB),
                         QString::number(figures.daysRecorded),
                         text(NumberFormat::decimals(figures.averageMBPerDay(), 2)),
                         month.file ? QFileInfo(*month.file).fileName()
                                    : QStringLiteral("deleted")};
    if (const std::optional<MonthBill>& bill = m_overview.bills.at(at)) {
        cells << text(HistoryOverview::rupees(bill->totalWithTaxCents));
    }
    return cells;
}

std::vector<HistoryWindowState::PlanRow> HistoryWindowState::planRows() const {
    std::vector<PlanRow> rows;
    if (m_overview.months.empty()) {
        return rows; // nothing to sum: every plan would cost nothing
    }
    for (const PlanTotal& plan : m_overview.plans.value_or(std::vector<PlanTotal>())) {
        rows.push_back({text(plan.name), plan.months,
                        text(HistoryOverview::rupees(plan.totalWithTaxCents)),
                        plan.totalWithTaxCents});
    }
    return rows;
}

QString HistoryWindowState::adviceText() const {
    if (m_overview.months.empty()) {
        return {};
    }
    if (!m_overview.plans) {
        return QStringLiteral("The plans are compared over the months of one user: type the "
                              "user name in \"Netravo UserName\" and open the history again.");
    }
    if (!m_overview.planChosen) {
        return QStringLiteral("Choose your plan on the Summary page of the Result window to "
                              "see what these months cost on it and which plan would have "
                              "cost least.");
    }
    return text(m_overview.adviceText());
}

QString HistoryWindowState::emptyText() const {
    if (!m_overview.months.empty()) {
        return {};
    }
    return m_anyMonth ? "No stored months of " + m_user + "."
                      : QString(CacheFileList::NoneStoredText);
}

StackedChartData HistoryWindowState::chartData() const {
    return HistoryChart::data(m_overview.months);
}

StackedChartStyle HistoryWindowState::chartStyle() const {
    return HistoryChart::style(m_overview.months);
}

QString HistoryWindowState::storedMonthEntry(int row) const {
    const HistoryMonth& month = m_overview.months.at(static_cast<std::size_t>(row));
    if (!month.file) {
        throw Failure("The month file of " + month.month + " of " + month.user +
                      " was deleted: the history keeps its totals, but its report cannot be "
                      "built again.");
    }
    return QFileInfo(*month.file).fileName().chopped(6); // without ".cache"
}
