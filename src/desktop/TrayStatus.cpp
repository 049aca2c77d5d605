#include "desktop/TrayStatus.h"

#include "analysis/SummaryTexts.h"
#include "history/HistoryMonthModel.h"
#include "platform/NumberFormat.h"

#include <QFileInfo>
#include <QLocale>
#include <algorithm>

namespace {

QString text(const std::string& value) {
    return QString::fromStdString(value);
}

QString wholeNumber(double value) {
    return text(NumberFormat::decimals(value, 0));
}

QString daysLeft(int days) {
    if (days == 0) {
        return QStringLiteral("no day left");
    }
    return QString::number(days) + (days == 1 ? " day left" : " days left");
}

} // namespace

TrayStatus::TrayStatus(HistoryMonth month, const std::vector<DayFigures>& days,
                       const PlanChoice& choice, bool nightUnlimited) {
    // a month without rows has no last recorded day to bill from
    if (choice.slot != -1 && month.figures.lastRecorded) {
        m_summary = MonthSummary::build(
            HistoryMonthModel::totals(month.month, month.figures, days, nightUnlimited), choice);
    }
    m_month = std::move(month);
}

TrayStatus TrayStatus::read(const QString& folder, const std::string& user,
                            const PlanChoice& choice, bool nightUnlimited) {
    const MonthHistory history = MonthHistory::load(folder);
    const std::vector<HistoryMonth> months = history.months(user);
    TrayStatus status;
    if (!months.empty()) {
        try {
            status =
                TrayStatus(months.front(), history.days(months.front()), choice, nightUnlimited);
        } catch (const Failure& failure) { // a plan the settings name wrongly
            status.m_notices.push_back(failure.what());
            status.m_month = months.front();
        }
    }
    status.m_notices.insert(status.m_notices.end(), history.notices().begin(),
                            history.notices().end());
    return status;
}

QString TrayStatus::usageText() const {
    const MonthFigures& figures = m_month->figures;
    if (!figures.lastRecorded) {
        return QStringLiteral("no usage recorded yet");
    }
    if (!m_summary) {
        return wholeNumber(static_cast<double>(figures.chargedKB) / 1024) +
               " MB used (choose your plan on the Summary page of the Result window)";
    }
    const UsageSummary& usage = *m_summary->figures;
    if (usage.plan.unlimited()) {
        return wholeNumber(usage.usedMB) + " MB used on an unlimited plan";
    }
    return wholeNumber(usage.percentUsed) + " % of " +
           text(NumberFormat::general(*usage.plan.limitMB)) + " MB used" +
           (usage.exceeded() ? " (over the limit)" : "");
}

QString TrayStatus::toolTip(const QDateTime& now) const {
    if (!m_month) {
        return QStringLiteral("Veltrix: no month checked yet");
    }
    const QDate first = QDate::fromString(text(m_month->month), QStringLiteral("yyyy-MM"));
    const bool thisMonth = first.year() == now.date().year() && first.month() == now.date().month();
    QString tip = QStringLiteral("Veltrix: ");
    if (!thisMonth) { // a month that is over has no days left, and is not the one on view
        tip += QLocale::c().toString(first, QStringLiteral("MMM yyyy")) + ": ";
    }
    tip += usageText();
    if (thisMonth && m_summary) {
        tip += ", " + daysLeft(m_summary->figures->remainingDays);
    }
    const QDateTime checked = QDateTime::fromMSecsSinceEpoch(m_month->fileTimeNs / 1000000);
    tip += ", checked " +
           (checked.date() == now.date() ? QString()
                                         : text(SummaryTexts::shortDayText(checked.date())) + " ") +
           checked.toString(QStringLiteral("HH:mm"));
    if (m_summary && m_summary->quota && m_summary->quota->runsOut) {
        tip += "\n" + text(SummaryTexts::quotaRunOut(*m_summary->quota));
    }
    return tip;
}

TrayStatus::Gauge TrayStatus::gauge() const {
    if (!m_summary) {
        return {};
    }
    const UsageSummary& usage = *m_summary->figures;
    if (usage.plan.unlimited()) {
        return {0, Level::Fine};
    }
    const double fraction = std::clamp(usage.percentUsed / 100, 0.0, 1.0);
    if (usage.exceeded()) {
        return {fraction, Level::Over};
    }
    const bool runsOut = m_summary->quota && m_summary->quota->runsOut;
    return {fraction, usage.percentUsed >= NearPercent || runsOut ? Level::Near : Level::Fine};
}

TrayStatus::Check TrayStatus::checkNow(bool loginComplete, bool cachingEnabled) const {
    if (loginComplete) {
        return Check::PasswordVersion;
    }
    return cachingEnabled && storedMonthEntry() ? Check::UseCacheData : Check::None;
}

std::optional<QString> TrayStatus::storedMonthEntry() const {
    if (!m_month || !m_month->file) {
        return std::nullopt;
    }
    return QFileInfo(*m_month->file).completeBaseName();
}
