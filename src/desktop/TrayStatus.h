#pragma once

#include "analysis/MonthSummary.h"
#include "history/MonthHistory.h"

#include <QDateTime>
#include <QString>
#include <optional>
#include <string>
#include <vector>

// The status icon without the icon: what its tooltip says of the latest stored month, how
// full its gauge is and in which colour, and which check "Check now" runs. The figures come
// from the history and the summary of the plan chosen on the Summary page, never from a
// window's texts.
class TrayStatus {
public:
    enum class Level {
        Unknown, // no month stored, no rows, or no plan to measure against
        Fine,
        Near, // NearPercent of the limit used, or the quota runs out before the month ends
        Over, // past the limit
    };
    struct Gauge {
        double fraction = 0; // of the limit used, 0 to 1
        Level level = Level::Unknown;
    };

    enum class Check {
        PasswordVersion, // the main window holds the login: check the portal
        UseCacheData,    // no password but caching on: the newest stored month again
        None,            // nothing to check with: the window asks for the password
    };

    // A fixed share of the limit, the scheduled check's default alert: the icon does not read
    // the share set in "Scheduled check...".
    static constexpr double NearPercent = 80;

    // No month stored.
    TrayStatus() = default;
    // `month` billed on `choice` (no plan: slot -1), its totals read as its report hands them on.
    TrayStatus(HistoryMonth month, const std::vector<DayFigures>& days, const PlanChoice& choice,
               bool nightUnlimited);
    // The newest stored month of `user` (of any user when empty) in `folder`. Never throws: a
    // history that cannot be read leaves notices() and, at worst, no month.
    static TrayStatus read(const QString& folder, const std::string& user, const PlanChoice& choice,
                           bool nightUnlimited);

    // "Veltrix: 64 % of 1024 MB used, 24 days left, checked 20:00", and on a second line when
    // the quota runs out at this pace, its day.
    QString toolTip(const QDateTime& now) const;
    Gauge gauge() const;
    // What "Check now" runs: the portal when the window holds a whole login, else the newest
    // stored month when caching is on and its file is there, else nothing.
    Check checkNow(bool loginComplete, bool cachingEnabled) const;
    // The newest month's entry as "Use Cache Data" lists it ("2007-03-alice"); none when no
    // month or its file was deleted.
    std::optional<QString> storedMonthEntry() const;
    const std::vector<std::string>& notices() const { return m_notices; }

private:
    QString usageText() const;

    std::optional<HistoryMonth> m_month;
    std::optional<MonthSummary> m_summary; // with a plan and a month of rows
    std::vector<std::string> m_notices;
};
